#include "tfrm_qixneoform.h"

#include "exceptionreporter.h"
#include "winstyle.h"

#include <QFrame>
#include <QLabel>
#include <QShowEvent>

namespace {

constexpr int FrameWidth = 20;   // the left and right borders together
constexpr int FrameHeight = 60;  // caption band and bottom border together
constexpr int CaptionBand = 50;
constexpr int LeftBorder = 10;
constexpr quint32 PanelColor = 13619151;    // RGB(207, 207, 207)
constexpr quint32 CaptionColor = 0x8A4A1E;  // the caption band until the drawn frame exists

} // namespace

Tfrm_qixNeoForm::Tfrm_qixNeoForm(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , PanelBkGnd(new QFrame(this))
    , LabelCaption(new QLabel(this))
{
    setObjectName(QStringLiteral("frm_qixNeoForm"));
    setFont(songFont(12));
    setAutoFillBackground(true);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, winColor(CaptionColor));
    setPalette(framePalette);

    LabelCaption->setObjectName(QStringLiteral("LabelCaption"));
    LabelCaption->setAlignment(Qt::AlignCenter);
    LabelCaption->setFont(songFont(12));
    setFontColor(LabelCaption, 0xFFFFFF);

    PanelBkGnd->setObjectName(QStringLiteral("PanelBkGnd"));
    PanelBkGnd->setFrameShape(QFrame::NoFrame);
    PanelBkGnd->setAutoFillBackground(true);
    QPalette panelPalette = PanelBkGnd->palette();
    panelPalette.setColor(QPalette::Window, winColor(PanelColor));
    PanelBkGnd->setPalette(panelPalette);
    setDesignedPanelSize(QSize(533, 340), true);
}

void Tfrm_qixNeoForm::SetCanResize(bool value)
{
    if (m_canResize != value)
        m_canResize = value;
}

void Tfrm_qixNeoForm::setDesignedPanelSize(QSize panel, bool sizeable)
{
    const QSize window(panel.width() + FrameWidth, panel.height() + FrameHeight);
    SetCanResize(sizeable);
    if (sizeable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(window);
    } else {
        setFixedSize(window);
    }
    layoutFrame();
}

void Tfrm_qixNeoForm::FormShow()
{
    LabelCaption->setText(windowTitle());
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
    layoutFrame();
}

void Tfrm_qixNeoForm::layoutFrame()
{
    LabelCaption->setGeometry(0, 8, width(), 16);
    PanelBkGnd->setGeometry(LeftBorder, CaptionBand, width() - FrameWidth, height() - FrameHeight);
}
