// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_ping.h"

#include "exampaper.h"
#include "examscore.h"
#include "tfrm_ks_choose.h"

#include "findbyname.h"
#include "modalshow.h"
#include "pushbutton.h"
#include "tdxbutton.h"
#include "tkvlabel.h"
#include "winstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

TFrm_Ping *Frm_Ping = nullptr;

namespace {

constexpr quint32 clGreen = 32768;
constexpr quint32 TitleBlue = 0xFF0000;
constexpr quint32 Navy = 0x800000;
constexpr int PanelWidth = 541;
constexpr int PanelHeight = 448;
constexpr int NumbersPerRow = 10;

// The start window is the program's main window; the exam library finds it by its name
// rather than depending on the application layer that builds it.
QWidget *startWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName().compare(QLatin1String("Frm_Ks_Sta"), Qt::CaseInsensitive) == 0)
            return window;
    }
    return nullptr;
}

// The exam window's page that holds question n: 1-20 on the first, 21-40 on the second...
int pageOf(int n)
{
    if (n <= 20)
        return 0;
    if (n <= 40)
        return 1;
    if (n <= 60)
        return 2;
    if (n <= 80)
        return 3;
    return 4;
}

} // namespace

TFrm_Ping::TFrm_Ping(QWidget *parent)
    : Tfrm_qixNeoForm(parent)
    , Panel1(new QFrame(PanelBkGnd))
    , KvLabel1(new TKvLabel(QStringLiteral("机动车驾驶员法培考试成绩"), Panel1))
    , Label5(new QLabel(QStringLiteral("请点击相应按钮进入评析"), Panel1))
    , GrpBx_Choose(new QGroupBox(QStringLiteral("选择题答案"), Panel1))
    , Label4(new QLabel(QStringLiteral("总分"), Panel1))
    , Edit_sum(new QLineEdit(Panel1))
    , Lbl_Verdict(new QLabel(Panel1))
    , Button2(new TdxButton(Panel1))
{
    setObjectName(QStringLiteral("Frm_Ping"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("评分"));
    setDesignedPanelSize(QSize(PanelWidth, PanelHeight), true);

    buildTitles();
    buildNumbers();
    buildTotal();

    Button2->setObjectName(QStringLiteral("Button2"));
    applyQuitButtonLook(*Button2, 84);
    Button2->move(432, 391);
    connect(Button2, &TdxButton::clicked, this, [this] { Button2Click(Button2); });

    Frm_Ping = this;
}

void TFrm_Ping::buildTitles()
{
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(0, 0, PanelWidth, PanelHeight);

    KvLabel1->setObjectName(QStringLiteral("KvLabel1"));
    KvLabel1->setFont(songFont(24));
    setFontColor(KvLabel1, TitleBlue);
    KvLabel1->setAlignment(Qt::AlignCenter);
    KvLabel1->setGeometry(70, 10, 401, 32);

    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(songFont(12));
    setFontColor(Label5, Navy);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setGeometry(120, 48, 301, 16);
}

// Ten rows of ten numbers in number order, all in the group box's font.
void TFrm_Ping::buildNumbers()
{
    GrpBx_Choose->setObjectName(QStringLiteral("GrpBx_Choose"));
    GrpBx_Choose->setFont(songFont(12));
    GrpBx_Choose->setGeometry(16, 76, 394, 340);
    for (int n = 1; n <= ExamLength; ++n) {
        const int row = (n - 1) / NumbersPerRow;
        const int column = (n - 1) % NumbersPerRow;
        auto *number = new PushButton(QString::number(n), GrpBx_Choose);
        number->setObjectName(QStringLiteral("BitBtn%1").arg(n));
        number->setGeometry(14 + column * 37, 22 + row * 31, 28, 25);
        number->setFocusPolicy(Qt::TabFocus);
        setFontColor(number, clBlack);
        connect(number, &QPushButton::clicked, this, &TFrm_Ping::onNumberButtonClicked);
    }
}

void TFrm_Ping::buildTotal()
{
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(432, 150, 67, 16);
    Edit_sum->setObjectName(QStringLiteral("Edit_sum"));
    Edit_sum->setGeometry(432, 170, 67, 20);
    Edit_sum->setReadOnly(true);
    // The verdict sits under the total, in the room left free beside the numbers.
    Lbl_Verdict->setObjectName(QStringLiteral("Lbl_Verdict"));
    Lbl_Verdict->setGeometry(432, 196, 67, 20);
    Lbl_Verdict->setFont(songFont(16, true));
}

TFrm_Ping::~TFrm_Ping()
{
    if (Frm_Ping == this)
        Frm_Ping = nullptr;
}

void TFrm_Ping::runModal()
{
    const auto window = std::make_unique<TFrm_Ping>();
    showModal(window.get());
}

void TFrm_Ping::FormShow()
{
    Tfrm_qixNeoForm::FormShow();
    const ExamScore score = scorePaper(ExamPaper);
    TotalScore = int(score.total);
    for (int n = 1; n <= ExamLength; ++n) {
        QWidget *number = findChildControl(GrpBx_Choose, QStringLiteral("BitBtn%1").arg(n));
        setFontColor(number, score.right[std::size_t(n)] ? clGreen : clRed);
    }
    Edit_sum->setText(QString::number(TotalScore));
    Lbl_Verdict->setText(score.passed() ? QStringLiteral("合格") : QStringLiteral("不合格"));
    setFontColor(Lbl_Verdict, score.passed() ? clGreen : clRed);
}

void TFrm_Ping::onNumberButtonClicked()
{
    BitBtn1Click(sender());
}

void TFrm_Ping::BitBtn1Click(QObject *Sender)
{
    const QString caption = qobject_cast<QPushButton *>(Sender)->text();
    TFrm_Ks_Choose &exam = *Frm_Ks_Choose;
    // Set from code, so the exam window's own page change does not show the page's first question.
    exam.setActivePage(pageOf(caption.toInt()));
    qobject_cast<QPushButton *>(findComponent(&exam, QStringLiteral("BitBtn") + caption))->click();
    exam.show();
    exam.raise();
    exam.activateWindow();
}

void TFrm_Ping::Button2Click(QObject *)
{
    if (QWidget *start = startWindow()) {
        start->show();
        start->raise();
        start->activateWindow();
    }
    Frm_Ks_Choose->Tag = 0;
    Frm_Ks_Choose->close();
    close();
}

void TFrm_Ping::applyQuitButtonLook(TdxButton &button, int width)
{
    button.setCaption(QStringLiteral("&Q退出"));
    TdxColors &colors = button.Colors();
    colors.setBackgroundFrom(winColor(13562879));
    colors.setBackgroundTo(Qt::white);
    colors.setBorderLine(winColor(32768));
    colors.setFocusedFrom(winColor(13618943));
    colors.setFocusedTo(winColor(6315007));
    button.setHotTrack(true);
    button.setLayout(TdxButton::blGlyphRight);
    button.setQuality(TdxButton::bqHigh);
    button.setShowFocusRect(false);
    button.resize(width, button.height());
}
