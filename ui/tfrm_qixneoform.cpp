// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_qixneoform.h"

#include "exceptionreporter.h"
#include "frameartwork.h"
#include "frameimage.h"
#include "framelayout.h"
#include "winstyle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {

constexpr quint32 PanelColor = 13619151;  // RGB(207, 207, 207)
constexpr quint32 CaptionColor = 0xFFFFFF;
const QSize FrameExtra(2 * FrameLayout::BorderWidth, FrameLayout::CaptionHeight + FrameLayout::BorderWidth);
const QSize IconSize(16, 18);

// The first framed window made is the application's main window, as the start window is.
Tfrm_qixNeoForm *s_mainForm = nullptr;

FrameImage *picture(QWidget *parent, const char *name, QRect geometry, bool autoSize = false)
{
    auto *image = new FrameImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    image->setAutoSize(autoSize);
    return image;
}

FrameImage *store(QWidget *parent, const char *name, const QPixmap &picture)
{
    auto *image = new FrameImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setAutoSize(true);
    image->setPicture(picture);
    image->hide();
    return image;
}

FrameImage *systemButton(QWidget *parent, const char *name, QPoint pos, const QPixmap &picture, const QString &hint)
{
    FrameImage *button = ::picture(parent, name, QRect(pos, FrameLayout::ButtonSize), true);
    button->setPicture(picture);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

QLabel *captionLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("LabelCaption"));
    label->setGeometry(0, 0, 72, 12);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(songFont(12));
    setFontColor(label, CaptionColor);
    return label;
}

QFrame *backgroundPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("PanelBkGnd"));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

Tfrm_qixNeoForm::Tfrm_qixNeoForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , ImageTop(picture(this, "ImageTop", QRect(1, 0, 536, 50)))
    , ImageLeft(picture(this, "ImageLeft", QRect(0, 40, 12, 297)))
    , ImageLeftTop(picture(this, "ImageLeftTop", QRect(0, 0, 85, 50), true))
    , ImageRightTop(picture(this, "ImageRightTop", QRect(436, 0, 100, 50), true))
    , ImageRight(picture(this, "ImageRight", QRect(523, 48, 13, 281)))
    , ImageBottom(picture(this, "ImageBottom", QRect(0, 320, 529, 12)))
    , LabelCaption(captionLabel(this))
    , ImageIcon(picture(this, "ImageIcon", QRect(8, 4, 18, 20)))
    , ImageMax(systemButton(this, "ImageMax", QPoint(424, 6), FrameArtwork::instance().max, QStringLiteral("最大化")))
    , ImageMin(systemButton(this, "ImageMin", QPoint(404, 5), FrameArtwork::instance().min, QStringLiteral("最小化")))
    , ImageNormal(systemButton(this, "ImageNormal", QPoint(448, 5), FrameArtwork::instance().normal, QStringLiteral("还原")))
    , ImageClose(systemButton(this, "ImageClose", QPoint(475, 5), FrameArtwork::instance().close, QStringLiteral("关闭")))
    , ImageDeactiveLeftTop(store(this, "ImageDeactiveLeftTop", FrameArtwork::instance().inactive.leftTop))
    , ImageDeactiveTop(store(this, "ImageDeactiveTop", FrameArtwork::instance().inactive.top))
    , ImageDeactiveRightTop(store(this, "ImageDeactiveRightTop", FrameArtwork::instance().inactive.rightTop))
    , ImageActiveTop(store(this, "ImageActiveTop", FrameArtwork::instance().active.top))
    , ImageActiveLeftTop(store(this, "ImageActiveLeftTop", FrameArtwork::instance().active.leftTop))
    , ImageActiveRightTop(store(this, "ImageActiveRightTop", FrameArtwork::instance().active.rightTop))
    , ImageActiveMenubar(store(this, "ImageActiveMenubar", FrameArtwork::instance().active.menuBar))
    , ImageDeactiveMenubar(store(this, "ImageDeactiveMenubar", FrameArtwork::instance().inactive.menuBar))
    , ImageLeftBottom(picture(this, "ImageLeftBottom", QRect(0, 320, 10, 12)))
    , ImageRightBottom(picture(this, "ImageRightBottom", QRect(523, 320, 13, 12), true))
    , CoolBar(picture(this, "CoolBar", QRect(80, 25, 345, 17)))
    , MenuBar(new QMenuBar(CoolBar))
    , PanelBkGnd(backgroundPanel(this))
{
    setObjectName(QStringLiteral("frm_qixNeoForm"));
    setFont(songFont(12));
    setMinimumSize(FrameLayout::MinimumSize);
    if (!s_mainForm)
        s_mainForm = this;

    applyArtwork();
    setUpMenuBar();
    connectFrameButtons();
    watchEdges();

    // The caption bar gets its pictures from the first activation or deactivation; a window
    // shown without being activated keeps an empty bar until then.
    FormCreate(QSize(533, 340), TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
}

void Tfrm_qixNeoForm::applyArtwork()
{
    const FrameArtwork &art = FrameArtwork::instance();
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(art.applicationIcon);
    ImageLeft->setPicture(art.left);
    ImageRight->setPicture(art.right);
    ImageBottom->setPicture(art.bottom);
    ImageLeftBottom->setPicture(art.leftBottom);
    ImageRightBottom->setPicture(art.rightBottom);
    ImageIcon->setStretch(true);
    ImageIcon->setTransparent(true);
    ImageIcon->setToolTip(QStringLiteral("双击关闭"));
    ImageNormal->hide();
}

void Tfrm_qixNeoForm::setUpMenuBar()
{
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    MenuBar->setNativeMenuBar(false);
    MenuBar->setGeometry(9, 0, 332, 17);
    MenuBar->setStyleSheet(QStringLiteral("QMenuBar { background: transparent; }"));
    CoolBar->hide();
}

void Tfrm_qixNeoForm::connectFrameButtons()
{
    connect(ImageClose, &FrameImage::clicked, this, [this] { ImageCloseClick(ImageClose); });
    connect(ImageMin, &FrameImage::clicked, this, [this] { ImageMinClick(ImageMin); });
    connect(ImageMax, &FrameImage::clicked, this, [this] { ImageMaxClick(ImageMax); });
    connect(ImageNormal, &FrameImage::clicked, this, [this] { ImageNormalClick(ImageNormal); });
    connect(ImageIcon, &FrameImage::doubleClicked, this, [this] { ImageIconDblClick(ImageIcon); });
    connect(ImageTop, &FrameImage::doubleClicked, this, [this] { ImageTopDblClick(ImageTop); });
    connect(ImageTop, &FrameImage::pressed, this, &Tfrm_qixNeoForm::ImageTopMouseDown);
    connect(ImageTop, &FrameImage::moved, this, &Tfrm_qixNeoForm::ImageTopMouseMove);
    connect(ImageTop, &FrameImage::released, this, &Tfrm_qixNeoForm::ImageTopMouseUp);
}

// The parts of the frame that reach the window's edges watch the mouse for resizing.
void Tfrm_qixNeoForm::watchEdges()
{
    // The icon reaches into the top band (y 4 of 0 to 4): a press there resizes as anywhere else.
    const QList<QWidget *> parts{ImageTop,   ImageLeft,    ImageLeftTop,    ImageRightTop,   ImageRight,
                                 ImageBottom, LabelCaption, ImageLeftBottom, ImageRightBottom, ImageIcon};
    for (QWidget *part : parts) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

Tfrm_qixNeoForm::~Tfrm_qixNeoForm()
{
    if (s_mainForm == this)
        s_mainForm = nullptr;
}

void Tfrm_qixNeoForm::FormCreate(QSize panel, TFormBorderStyle style, TBorderIcons icons)
{
    m_borderStyle = style;
    m_borderIcons = icons;

    // The icon goes into a picture 2 pixels wider and taller, whose margin is left out.
    const QIcon appIcon = QGuiApplication::windowIcon().isNull() ? FrameArtwork::instance().applicationIcon
                                                                : QGuiApplication::windowIcon();
    const QPixmap icon = appIcon.pixmap(IconSize);
    QPixmap framed(icon.deviceIndependentSize().toSize() + QSize(2, 2));
    framed.fill(Qt::transparent);
    {
        QPainter painter(&framed);
        painter.drawPixmap(QRect(QPoint(0, 0), icon.deviceIndependentSize().toSize()), icon);
    }
    ImageIcon->setPicture(framed);

    m_layoutReady = false;
    resize(panel + FrameExtra);
    m_layoutReady = true;

    QPalette panelPalette = PanelBkGnd->palette();
    panelPalette.setColor(QPalette::Window, winColor(PanelColor));
    PanelBkGnd->setPalette(panelPalette);

    SetBorderIcons();
    SetCanResize(BorderIcons::isSizeable(style));
    m_borderStyle = TFormBorderStyle::bsNone;
    CoolBar->setVisible(!m_mainMenu.isEmpty());

    int w = width();
    int h = height();
    FormCanResize(w, h);
    FormResize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrm_qixNeoForm::setDesignedPanelSize(QSize panel, bool sizeable)
{
    FormCreate(panel, sizeable ? TFormBorderStyle::bsSizeable : TFormBorderStyle::bsSingle, biSystemMenu);
}

void Tfrm_qixNeoForm::SetBorderIcons()
{
    m_icons = BorderIcons::flags(m_borderStyle, m_borderIcons);
    applyIconFlags();
}

void Tfrm_qixNeoForm::applyIconFlags()
{
    ImageIcon->setVisible(m_icons.showIcon);
    ImageIcon->setEnabled(m_icons.showIcon);
    ImageClose->setVisible(m_icons.showClose);
    ImageClose->setEnabled(m_icons.showClose);
    ImageMax->setVisible(m_icons.showMax);
    ImageMax->setEnabled(m_icons.showMax);
    ImageMin->setVisible(m_icons.showMin);
    ImageMin->setEnabled(m_icons.showMin);
}

void Tfrm_qixNeoForm::SetCanResize(bool value)
{
    if (m_canResize != value)
        m_canResize = value;
}

void Tfrm_qixNeoForm::setMainMenu(const QList<QMenu *> &menus)
{
    if (menus == m_mainMenu)
        return;
    m_mainMenu = menus;
    MenuBar->clear();
    for (QMenu *menu : menus)
        MenuBar->addMenu(menu);
    CoolBar->setVisible(!menus.isEmpty());
}

FrameHit Tfrm_qixNeoForm::hitTest(QPoint pos) const
{
    return FrameHitTest::hit(pos, size(), m_canResize, windowState());
}

bool Tfrm_qixNeoForm::FormCanResize(int &NewWidth, int &NewHeight)
{
    const FrameLayout::Limited limited = FrameLayout::limit(QSize(NewWidth, NewHeight));
    ImageBottom->setStretch(limited.stretchHorizontal);
    ImageTop->setStretch(ImageBottom->stretch());
    ImageLeft->setStretch(limited.stretchVertical);
    ImageRight->setStretch(ImageLeft->stretch());
    NewWidth = limited.size.width();
    NewHeight = limited.size.height();
    return true;
}

void Tfrm_qixNeoForm::FormResize()
{
    if (!m_layoutReady)
        return;
    FrameLayout::Input input;
    input.size = size();
    input.icons = m_icons;
    input.maximized = isMaximized();
    input.leftTopSize = ImageLeftTop->size();
    input.rightTopSize = ImageRightTop->size();
    input.menuBarLeft = MenuBar->x();
    const FrameLayout l = FrameLayout::compute(input);

    LabelCaption->setGeometry(l.labelCaption);
    ImageTop->setGeometry(l.imageTop);
    ImageBottom->setGeometry(l.imageBottom);
    ImageLeft->setGeometry(l.imageLeft);
    ImageRight->setGeometry(l.imageRight);
    ImageLeftBottom->setGeometry(l.imageLeftBottom);
    ImageRightBottom->setGeometry(l.imageRightBottom);
    ImageRightTop->setGeometry(l.imageRightTop);
    ImageLeftTop->setGeometry(l.imageLeftTop);
    PanelBkGnd->setGeometry(l.panelBkGnd);
    ImageMin->setGeometry(l.imageMin);
    ImageMax->setGeometry(l.imageMax);
    ImageNormal->setGeometry(l.imageNormal);
    ImageClose->setGeometry(l.imageClose);
    MenuBar->resize(l.menuBarWidth, MenuBar->height());
    if (m_icons.showMax) {
        ImageNormal->setEnabled(l.showNormalButton);
        ImageNormal->setVisible(l.showNormalButton);
        ImageMax->setEnabled(l.showMaxButton);
        ImageMax->setVisible(l.showMaxButton);
    }
}

void Tfrm_qixNeoForm::FormShow()
{
    LabelCaption->setText(windowTitle());
}

void Tfrm_qixNeoForm::showActive(bool active)
{
    const FrameImage *leftTop = active ? ImageActiveLeftTop : ImageDeactiveLeftTop;
    const FrameImage *top = active ? ImageActiveTop : ImageDeactiveTop;
    const FrameImage *rightTop = active ? ImageActiveRightTop : ImageDeactiveRightTop;
    const FrameImage *menuBar = active ? ImageActiveMenubar : ImageDeactiveMenubar;
    ImageLeftTop->setPicture(leftTop->picture());
    ImageTop->setPicture(top->picture());
    ImageRightTop->setPicture(rightTop->picture());
    CoolBar->setPicture(menuBar->picture());
}

void Tfrm_qixNeoForm::ImageCloseClick(QObject *)
{
    close();
}

void Tfrm_qixNeoForm::ImageMinClick(QObject *)
{
    if (this != s_mainForm) {
        showMinimized();
        return;
    }
    // The main window takes the whole application down with it.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            window->showMinimized();
    }
}

void Tfrm_qixNeoForm::ImageNormalClick(QObject *)
{
    showNormal();
}

void Tfrm_qixNeoForm::ImageMaxClick(QObject *)
{
    showMaximized();
}

void Tfrm_qixNeoForm::ImageTopDblClick(QObject *)
{
}

void Tfrm_qixNeoForm::ImageTopMouseDown(QMouseEvent *event)
{
    m_dragStartLeft = x();
    m_dragStartTop = y();
    m_dragStartPoint = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
}

void Tfrm_qixNeoForm::ImageTopMouseMove(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_dragPoint = event->globalPosition().toPoint();
    move(m_dragPoint.x() - m_dragStartPoint.x() + m_dragStartLeft, m_dragPoint.y() - m_dragStartPoint.y() + m_dragStartTop);
}

void Tfrm_qixNeoForm::ImageTopMouseUp(QMouseEvent *)
{
    m_dragging = false;
}

void Tfrm_qixNeoForm::ImageIconDblClick(QObject *)
{
    close();
}

void Tfrm_qixNeoForm::LabelCaptionDblClick(QObject *)
{
    if (ImageMax->isVisibleTo(this))
        ImageMaxClick(ImageMax);
    else if (ImageNormal->isVisibleTo(this))
        ImageNormalClick(ImageNormal);
}

bool Tfrm_qixNeoForm::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        showActive(true);
    else if (event->type() == QEvent::WindowDeactivate)
        showActive(false);
    return handled;
}

bool Tfrm_qixNeoForm::eventFilter(QObject *watched, QEvent *event)
{
    auto *part = qobject_cast<QWidget *>(watched);
    if (part && part->parentWidget() == this) {
        if (edgeMouseEvent(part, event))
            return true;
        if (part == LabelCaption && event->type() == QEvent::MouseButtonDblClick
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            LabelCaptionDblClick(LabelCaption);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Tfrm_qixNeoForm::edgeMouseEvent(QWidget *part, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_resizeEdges) {
            resizeTo(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->buttons() == Qt::NoButton) {
            const FrameHit hit = hitTest(part->mapTo(this, mouse->position().toPoint()));
            if (hit == FrameHit::Default)
                unsetCursor();
            else
                setCursor(FrameHitTest::cursor(hit));
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const FrameHit hit = hitTest(part->mapTo(this, mouse->position().toPoint()));
        if (hit == FrameHit::Default)
            return false;
        // A press on an edge belongs to the frame, never to the picture under it.
        if (mouse->button() == Qt::LeftButton) {
            const Qt::Edges edges = FrameHitTest::edges(hit);
            QWindow *window = windowHandle();
            if (!window || !window->startSystemResize(edges)) {
                m_resizeEdges = edges;
                m_resizeStartGeometry = geometry();
                m_resizeStartPoint = mouse->globalPosition().toPoint();
            }
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_resizeEdges) {
            m_resizeEdges = {};
            return true;
        }
        return false;
    case QEvent::Leave:
        if (!m_resizeEdges)
            unsetCursor();
        return false;
    default:
        return false;
    }
}

void Tfrm_qixNeoForm::resizeTo(QPoint globalPos)
{
    const QPoint delta = globalPos - m_resizeStartPoint;
    const QRect start = m_resizeStartGeometry;
    int w = start.width();
    int h = start.height();
    if (m_resizeEdges & Qt::LeftEdge)
        w -= delta.x();
    if (m_resizeEdges & Qt::RightEdge)
        w += delta.x();
    if (m_resizeEdges & Qt::TopEdge)
        h -= delta.y();
    if (m_resizeEdges & Qt::BottomEdge)
        h += delta.y();
    FormCanResize(w, h);
    // The edges that do not move stay where they were, also when the floor stops the size.
    const int left = (m_resizeEdges & Qt::LeftEdge) ? start.right() + 1 - w : start.left();
    const int top = (m_resizeEdges & Qt::TopEdge) ? start.bottom() + 1 - h : start.top();
    setGeometry(left, top, w, h);
}

void Tfrm_qixNeoForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        FormResize();
}

void Tfrm_qixNeoForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;  // the window system restoring the window is no showing of ours
    try {
        FormShow();
    } catch (...) {
        reportException(std::current_exception());
    }
}

void Tfrm_qixNeoForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    int w = width();
    int h = height();
    FormCanResize(w, h);
    if (QSize(w, h) != size())
        resize(w, h);
    FormResize();
}
