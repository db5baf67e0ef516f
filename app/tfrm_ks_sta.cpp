// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_ks_sta.h"

#include "programfolder.h"
#include "tfrm_logo.h"

#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include "bevelpanel.h"
#include "exceptionreporter.h"
#include "modalshow.h"
#include "searchanimation.h"
#include "tdxbutton.h"
#include "tkvlabel.h"
#include "tx_printmessage.h"
#include "winstyle.h"

#include "bankerror.h"
#include "connectionstring.h"
#include "tdm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

TFrm_Ks_Sta *Frm_Ks_Sta = nullptr;

const QString TFrm_Ks_Sta::WebAddress = QStringLiteral("www.example.org/drvq");
const QString TFrm_Ks_Sta::MailAddress = QStringLiteral("drvq-trainer@example.org");

namespace {

constexpr quint32 LinkBlue = 0xFF0000;
constexpr quint32 TitleColor = 0x800000;  // navy
constexpr int PanelWidth = 377;
constexpr int ButtonRow = 33;  // from one button's top to the next one's
constexpr int PanelHeight = 233 + ButtonRow;

QLabel *link(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = songFont(16);
    font.setUnderline(true);
    label->setFont(font);
    setFontColor(label, LinkBlue);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
    label->move((PanelWidth - label->width()) / 2, top);
    return label;
}

// The start button: light gold to white, green border, green caption while hot. The study
// button shares its look.
void applyStartButtonLook(TdxButton &button, const QString &caption)
{
    button.setCaption(caption);
    applyGoldButtonColours(button);
    button.setLayout(TdxButton::blGlyphRight);
    button.setShowFocusRect(false);
    button.resize(211, button.height());
}

} // namespace

TFrm_Ks_Sta::TFrm_Ks_Sta(QWidget *parent)
    : Tfrm_qixNeoForm(parent)
    , Panel1(new BevelPanel(PanelBkGnd))
    , Label6(new TKvLabel(QStringLiteral("Tarnel机动车驾驶员法培考试  3.0"), Panel1))
    , Label4(link(Panel1, "Label4", WebAddress, 92))
    , Label5(link(Panel1, "Label5", MailAddress, 122))
    , Button1(new TdxButton(QStringLiteral("&S开始考试"), Panel1))
    , Button2(new TdxButton(QStringLiteral("&Q退出"), Panel1))
    , Button3(new TdxButton(QStringLiteral("&P练习与记录"), Panel1))
{
    setObjectName(QStringLiteral("Frm_Ks_Sta"));
    setWindowTitle(QStringLiteral("Tarnel北京机动车驾驶员法培考试"));
    setDesignedPanelSize(QSize(PanelWidth, PanelHeight), false);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, PanelWidth, PanelHeight);

    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(songFont(21));
    setFontColor(Label6, TitleColor);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setGeometry(2, 32, 373, 28);
    // The label reaches over the panel's inner bevel; it lets the bevel show through.
    static_cast<TKvLabel *>(Label6)->setTransparent(true);

    Label4->installEventFilter(this);
    Label5->installEventFilter(this);

    // The three buttons, each 211 wide, one above the other under the links.
    Button1->setObjectName(QStringLiteral("Button1"));
    applyStartButtonLook(*Button1, QStringLiteral("&S开始考试"));
    Button1->move((PanelWidth - Button1->width()) / 2, 156);
    Button3->setObjectName(QStringLiteral("Button3"));
    applyStartButtonLook(*Button3, QStringLiteral("&P练习与记录"));
    Button3->move((PanelWidth - Button3->width()) / 2, 156 + ButtonRow);
    Button2->setObjectName(QStringLiteral("Button2"));
    TFrm_Ping::applyQuitButtonLook(*Button2, 211);
    Button2->move((PanelWidth - Button2->width()) / 2, 156 + 2 * ButtonRow);
    setTabOrder(Button1, Button3);
    setTabOrder(Button3, Button2);
    connect(Button1, &TdxButton::clicked, this, [this] { Button1Click(Button1); });
    connect(Button2, &TdxButton::clicked, this, [this] { Button2Click(Button2); });
    connect(Button3, &TdxButton::clicked, this, [this] { Button3Click(Button3); });

    if (!Frm_Ks_Sta)
        Frm_Ks_Sta = this;
}

TFrm_Ks_Sta::~TFrm_Ks_Sta()
{
    if (Frm_Ks_Sta == this)
        Frm_Ks_Sta = nullptr;
}

void TFrm_Ks_Sta::FormShow()
{
    Tfrm_qixNeoForm::FormShow();
    Tfrm_logo splash;
    showModal(&splash);
}

void TFrm_Ks_Sta::ConnectBank()
{
    Dm->ADOConnection1->Close();
    const QString folder = bankFolder();
    if (const QString missing = missingBankMessage(folder, programFolder(), userBankFolder()); !missing.isEmpty())
        throw BankError(missing);
    const BankPaths paths = bankPaths(folder);
    DatabasePath = paths.DatabasePath;
    Dm->ADOConnection1->ConnectionString = buildConnectionString(paths);
    // Both files are there; one that cannot be read gets what to do besides what is wrong.
    const auto advise = [folder](const QString &damage) {
        return damagedBankMessage(damage, folder, programFolder(), userBankFolder());
    };
    try {
        Dm->ADOConnection1->Open();
        Dm->ado_biaozhi->Open();
    } catch (const BankError &error) {
        throw BankError(advise(error.message()));
    }
}

void TFrm_Ks_Sta::Button1Click(QObject *)
{
    // A start always begins a fresh exam, also while an exam window is on screen (answering,
    // or a review left open).
    Frm_Ks_Choose->PrepareNewExam();
    try {
        ShowWaitMessage(QStringLiteral("正在随机抽题请等待...."), SearchAnimation::aviFindComputer);
        ConnectBank();
        // A bank that cannot be read while the exam window draws the paper gets the same
        // advice as one that cannot be opened.
        const ExceptionAdvice advice([folder = bankFolder()](std::exception_ptr error, const QString &message) {
            try {
                std::rethrow_exception(error);
            } catch (const BankError &) {
                return damagedBankMessage(message, folder, programFolder(), userBankFolder());
            } catch (...) {
                return message;
            }
        });
        SetReviewMode(false);
        Frm_Ks_Choose->show();
    } catch (...) {
        // A failed start does not leave the message saying that a paper is being drawn, nor
        // a clock running for a paper that is not there.
        Frm_Ks_Choose->Timer1->stop();
        HideWaitMessage();
        throw;
    }
    HideWaitMessage();
}

void TFrm_Ks_Sta::Button2Click(QObject *)
{
    QCoreApplication::quit();
}

void TFrm_Ks_Sta::Button3Click(QObject *)
{
    emit studyWindowRequested();
}

void TFrm_Ks_Sta::Label4Click(QObject *)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + WebAddress));
}

void TFrm_Ks_Sta::Label5Click(QObject *)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + MailAddress));
}

void TFrm_Ks_Sta::closeEvent(QCloseEvent *event)
{
    Tfrm_qixNeoForm::closeEvent(event);
    // The main window: closing it ends the program, whatever other windows are up.
    if (event->isAccepted())
        QCoreApplication::quit();
}

bool TFrm_Ks_Sta::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label4)
            Label4Click(Label4);
        else if (watched == Label5)
            Label5Click(Label5);
    }
    return Tfrm_qixNeoForm::eventFilter(watched, event);
}
