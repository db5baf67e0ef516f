#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// The base of the start, exam and score windows. A derived window puts all of its controls
// on PanelBkGnd and gives the panel its designed size; the window is then 20 pixels wider and
// 60 pixels taller, the panel sitting at (10, 50) under a 50-pixel caption band. The system
// frame is still kept around it for now.
//
// A derived window that handles its own showing overrides FormShow and calls this class's
// FormShow first. FormShow runs before the window is put on the screen; an exception in it is
// reported and the window is still shown.
class Tfrm_qixNeoForm : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_qixNeoForm(QWidget *parent = nullptr);

    QFrame *const PanelBkGnd;
    QLabel *const LabelCaption;

    // The integer every component carries; its meaning is the derived window's.
    int Tag = 0;

    void SetCanResize(bool value);
    [[nodiscard]] bool GetcanResize() const { return m_canResize; }

protected:
    // Sizes the window from the panel's designed size. `sizeable` windows may be resized.
    void setDesignedPanelSize(QSize panel, bool sizeable);

    virtual void FormShow();

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutFrame();

    bool m_canResize = false;
};
