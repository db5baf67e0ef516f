// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bordericons.h"
#include "framehittest.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

class FrameImage;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;

// The base of the start, exam and score windows. It has no system frame and draws its own:
// a 50-pixel caption bar of pictures with the application icon, the caption and picture
// buttons for close, minimise and maximise/restore, and picture borders on the left, right
// and bottom. The bar's pictures change when the window gains or loses activation. The window
// moves when the bar is dragged with the left button, and a window designed as sizeable is
// resized from its edges.
//
// A derived window puts all of its controls on PanelBkGnd and calls FormCreate (or
// setDesignedPanelSize) with the panel's designed size, its border style and its border
// icons, as it would set them for a system frame; the window then becomes 20 pixels wider
// and 60 pixels taller than the panel, the panel sitting at (10, 50).
//
// A derived window that handles its own showing overrides FormShow and calls this class's
// FormShow first. FormShow runs before the window is put on the screen; an exception in it is
// reported and the window is still shown.
class Tfrm_qixNeoForm : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_qixNeoForm(QWidget *parent = nullptr);
    ~Tfrm_qixNeoForm() override;

    // The frame's components, each named after its member. They are created in this order,
    // which is also their stacking order; CoolBar and PanelBkGnd lie above all pictures.
    FrameImage *const ImageTop;
    FrameImage *const ImageLeft;
    FrameImage *const ImageLeftTop;
    FrameImage *const ImageRightTop;
    FrameImage *const ImageRight;
    FrameImage *const ImageBottom;
    QLabel *const LabelCaption;
    FrameImage *const ImageIcon;
    FrameImage *const ImageMax;
    FrameImage *const ImageMin;
    FrameImage *const ImageNormal;
    FrameImage *const ImageClose;
    // Hidden stores of the caption bar's pictures for both states.
    FrameImage *const ImageDeactiveLeftTop;
    FrameImage *const ImageDeactiveTop;
    FrameImage *const ImageDeactiveRightTop;
    FrameImage *const ImageActiveTop;
    FrameImage *const ImageActiveLeftTop;
    FrameImage *const ImageActiveRightTop;
    FrameImage *const ImageActiveMenubar;
    FrameImage *const ImageDeactiveMenubar;
    FrameImage *const ImageLeftBottom;
    FrameImage *const ImageRightBottom;
    FrameImage *const CoolBar;  // the main menu's place in the caption bar, its picture its background
    QMenuBar *const MenuBar;
    QFrame *const PanelBkGnd;

    // The integer every component carries; its meaning is the derived window's.
    int Tag = 0;

    // The border style the window has now: as designed until FormCreate, none after it.
    [[nodiscard]] TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    [[nodiscard]] TBorderIcons BorderIcons() const { return m_borderIcons; }
    [[nodiscard]] BorderIconFlags borderIconFlags() const { return m_icons; }

    // Which system buttons and whether the icon show, from the border style and icons.
    void SetBorderIcons();
    void SetCanResize(bool value);
    [[nodiscard]] bool GetcanResize() const { return m_canResize; }

    // The window's main menu, shown as flat captions in the caption bar; an empty list hides
    // the menu bar.
    void setMainMenu(const QList<QMenu *> &menus);
    [[nodiscard]] QList<QMenu *> mainMenu() const { return m_mainMenu; }

    // What a point (window coordinates) is on: one of the resizing edges or corners, or
    // FrameHit::Default where the control under it takes the mouse.
    [[nodiscard]] FrameHit hitTest(QPoint pos) const;

    // Raises a proposed size to the 300 × 200 floor and sets the border pictures stretched
    // or at natural size for it. Every size change goes through it; it always allows.
    bool FormCanResize(int &NewWidth, int &NewHeight);
    // Lays the frame out for the window's size; nothing before FormCreate has sized it.
    void FormResize();

    [[nodiscard]] bool isDragging() const { return m_dragging; }

    void ImageCloseClick(QObject *Sender);
    void ImageMinClick(QObject *Sender);
    void ImageNormalClick(QObject *Sender);
    void ImageMaxClick(QObject *Sender);
    void ImageTopDblClick(QObject *Sender);
    void ImageTopMouseDown(QMouseEvent *event);
    void ImageTopMouseMove(QMouseEvent *event);
    void ImageTopMouseUp(QMouseEvent *event);
    void ImageIconDblClick(QObject *Sender);
    void LabelCaptionDblClick(QObject *Sender);

protected:
    // Sizes the window from the panel's designed size, gives the panel its colour, derives
    // the buttons from the border style and icons, then removes the system frame.
    void FormCreate(QSize panel, TFormBorderStyle style, TBorderIcons icons);
    // FormCreate for a window with the system menu as its only border icon, sizeable or single.
    void setDesignedPanelSize(QSize panel, bool sizeable);

    virtual void FormShow();

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The constructor's steps.
    void applyArtwork();
    void setUpMenuBar();
    void connectFrameButtons();
    void watchEdges();

    void showActive(bool active);
    void applyIconFlags();
    // Resizing from an edge: by the window system where it can, else by following the mouse.
    bool edgeMouseEvent(QWidget *watched, QEvent *event);
    void resizeTo(QPoint globalPos);

    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    BorderIconFlags m_icons;
    QList<QMenu *> m_mainMenu;
    bool m_canResize = false;
    bool m_layoutReady = false;

    bool m_dragging = false;
    int m_dragStartLeft = 0;
    int m_dragStartTop = 0;
    QPoint m_dragStartPoint;
    QPoint m_dragPoint;

    Qt::Edges m_resizeEdges;
    QRect m_resizeStartGeometry;
    QPoint m_resizeStartPoint;
};
