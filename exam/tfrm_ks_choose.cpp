// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_ks_choose.h"

#include "countdown.h"
#include "drawexampaper.h"
#include "exampaper.h"
#include "knowledgecycle.h"
#include "picturebox.h"
#include "signdisplay.h"
#include "tfrm_ping.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "pushbutton.h"
#include "tkvlabel.h"
#include "tx_printmessage.h"
#include "winstyle.h"

#include "blanks.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

TFrm_Ks_Choose *Frm_Ks_Choose = nullptr;
int CurrentNo = 1;
QLineEdit *CurrentAnswerBox = nullptr;
QPushButton *CurrentNumberButton = nullptr;
int MinutesLeft = 0;
int SecondsLeft = 0;

namespace {

constexpr int QuestionsPerPage = 20;
constexpr quint32 TitleBlue = 0xFF0000;
constexpr quint32 Fuchsia = 0xFF00FF;
constexpr quint32 Lime = 0x00FF00;

ScoreWindowRunner scoreWindowRunner = &TFrm_Ping::runModal;

// A red check mark on a clear ground, 29 x 17.
QPixmap checkMark()
{
    QPixmap pixmap(29, 17);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(winColor(clRed), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(11, 14), QPointF(25, 3)}));
    return pixmap;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *b = new PushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLineEdit *choiceBox(QWidget *parent, const char *name, QRect geometry)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->setReadOnly(true);
    e->setFont(songFont(16));
    return e;
}

// A long choice shows its beginning; the whole text stays reachable with the cursor keys
// and in the tooltip.
void showChoice(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(text);
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

TFrm_Ks_Choose::TFrm_Ks_Choose(QWidget *parent)
    : Tfrm_qixNeoForm(parent)
    , Panel2(new QFrame(PanelBkGnd))
    , KvLabel1(new TKvLabel(QStringLiteral("机动车驾驶员法培考试"), Panel2))
    , PageControl1(new QTabWidget(Panel2))
    , TabSheet{}
    , GroupBox1(new QGroupBox(QStringLiteral("选择题答题纸"), Panel2))
    , Label2(label(GroupBox1, "Label2", QStringLiteral("题目")))
    , Edt_Tm(new QPlainTextEdit(GroupBox1))
    , img_biaozhi(new PictureBox(GroupBox1))
    , Btn_Ans_A(button(GroupBox1, "Btn_Ans_A", QStringLiteral("&A"), QRect(8, 140, 37, 25)))
    , Btn_Ans_B(button(GroupBox1, "Btn_Ans_B", QStringLiteral("&B"), QRect(8, 170, 37, 25)))
    , Btn_Ans_C(button(GroupBox1, "Btn_Ans_C", QStringLiteral("&C"), QRect(8, 200, 37, 25)))
    , Edt_Ans_A(choiceBox(GroupBox1, "Edt_Ans_A", QRect(48, 140, 516, 24)))
    , Edt_Ans_B(choiceBox(GroupBox1, "Edt_Ans_B", QRect(48, 170, 516, 24)))
    , Edt_Ans_C(choiceBox(GroupBox1, "Edt_Ans_C", QRect(48, 200, 516, 24)))
    , Img_DuiHao(label(GroupBox1, "Img_DuiHao", QString()))
    , GroupBox2(new QGroupBox(QStringLiteral("剩余时间"), Panel2))
    , Panel1(new QFrame(GroupBox2))
    , Lbl_Minute(label(Panel1, "Lbl_Minute", QStringLiteral("12")))
    , Label7(label(Panel1, "Label7", QStringLiteral(":")))
    , Lbl_Second(label(Panel1, "Lbl_Second", QStringLiteral("12")))
    , Btn_ping(button(GroupBox2, "Btn_ping", QStringLiteral("交卷"), QRect(11, 52, 48, 25)))
    , Btn_Close(button(GroupBox2, "Btn_Close", QStringLiteral("退出"), QRect(11, 84, 48, 25)))
    , Btn_ZhiShiDian(button(Panel2, "Btn_ZhiShiDian", QStringLiteral("知识点"), QRect(512, 6, 48, 25)))
    , Btn_Analysis(button(Panel2, "Btn_Analysis", QStringLiteral("评析"), QRect(570, 6, 48, 25)))
    , Mem_Analysis(new QPlainTextEdit(Panel2))
    , Lbl_count(label(Panel2, "Lbl_count", QString()))
    , Lbl_Ip(label(Panel2, "Lbl_Ip", QString()))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Frm_Ks_Choose"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("机动车驾驶员法培考试"));
    setDesignedPanelSize(QSize(634, 430), true);

    buildTitle();
    buildPages();
    buildQuestionArea();
    buildClockArea();
    buildReviewControls();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });

    if (!Frm_Ks_Choose)
        Frm_Ks_Choose = this;
}

void TFrm_Ks_Choose::buildTitle()
{
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setGeometry(0, 0, 634, 430);

    KvLabel1->setObjectName(QStringLiteral("KvLabel1"));
    KvLabel1->setFont(songFont(24));
    setFontColor(KvLabel1, TitleBlue);
    KvLabel1->setAlignment(Qt::AlignCenter);
    KvLabel1->setGeometry(150, 4, 334, 28);
}

// Five pages of twenty numbers, each number button with its answer box right under it.
void TFrm_Ks_Choose::buildPages()
{
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 36, 412, 139);
    PageControl1->setFont(songFont(12));
    // Each tab names the first and last question of its page.
    static const char *const captions[] = {"（1-20）", "（21-40）", "（41-60）", "（61-80）", "（81-100）"};
    for (int page = 0; page < 5; ++page) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        TabSheet[page] = sheet;
        for (int i = 0; i < QuestionsPerPage; ++i)
            addNumber(sheet, page * QuestionsPerPage + i + 1, QPoint(4 + (i % 10) * 40, i < 10 ? 6 : 57));
        PageControl1->addTab(sheet, QString::fromUtf8(captions[page]));
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFrm_Ks_Choose::onCurrentPageChanged);
}

void TFrm_Ks_Choose::addNumber(QWidget *sheet, int n, QPoint at)
{
    auto *number = new PushButton(QString::number(n), sheet);
    number->setObjectName(QStringLiteral("BitBtn%1").arg(n));
    number->setGeometry(at.x(), at.y(), 35, 25);
    number->setFont(songFont(14));
    number->setFocusPolicy(Qt::TabFocus);
    setFontColor(number, clBlack);
    connect(number, &QPushButton::clicked, this, &TFrm_Ks_Choose::onNumberButtonClicked);
    auto *answer = new QLineEdit(sheet);
    answer->setObjectName(QStringLiteral("Edit%1").arg(n));
    answer->setGeometry(at.x(), at.y() + 25, 36, 22);
    answer->setFont(songFont(14));
    answer->setAlignment(Qt::AlignCenter);
    answer->setReadOnly(true);
    answer->setEnabled(false);
    QPalette black = answer->palette();
    black.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    answer->setPalette(black);
}

// The question, its sign picture, the answer buttons with their choices and the check mark.
void TFrm_Ks_Choose::buildQuestionArea()
{
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(12, 186, 609, 239);
    Label2->setGeometry(8, 18, 60, 14);
    Edt_Tm->setObjectName(QStringLiteral("Edt_Tm"));
    Edt_Tm->setGeometry(8, 34, 472, 97);
    Edt_Tm->setFont(songFont(16));
    Edt_Tm->setReadOnly(true);
    Edt_Tm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    img_biaozhi->setObjectName(QStringLiteral("img_biaozhi"));
    img_biaozhi->setGeometry(484, 34, 120, 97);
    img_biaozhi->setAutoSize(true);
    img_biaozhi->setTransparent(true);
    for (QPushButton *answer : {Btn_Ans_A, Btn_Ans_B, Btn_Ans_C}) {
        answer->setFont(songFont(19));
        connect(answer, &QPushButton::clicked, this, &TFrm_Ks_Choose::onAnswerButtonClicked);
    }
    Img_DuiHao->setGeometry(564, 140, 33, 25);
    Img_DuiHao->setAlignment(Qt::AlignCenter);
    Img_DuiHao->setPixmap(checkMark());
    Img_DuiHao->hide();
}

// The remaining time in lime on black, with the hand-in and leave buttons under it.
void TFrm_Ks_Choose::buildClockArea()
{
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(428, 38, 71, 137);
    setFontColor(GroupBox2, Fuchsia);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(4, 18, 62, 26);
    Panel1->setAutoFillBackground(true);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(panelPalette);
    const std::array<std::pair<QLabel *, QRect>, 3> clock{{
        {Lbl_Minute, QRect(5, 5, 20, 16)},
        {Label7, QRect(27, 5, 8, 16)},
        {Lbl_Second, QRect(37, 5, 20, 16)},
    }};
    for (const auto &[text, geometry] : clock) {
        text->setFont(songFont(16, true));
        setFontColor(text, Lime);
        text->setGeometry(geometry);
    }
    for (QPushButton *b : {Btn_ping, Btn_Close})
        setFontColor(b, clBlack);
    connect(Btn_ping, &QPushButton::clicked, this, [this] { Btn_pingClick(Btn_ping); });
    connect(Btn_Close, &QPushButton::clicked, this, [this] { Btn_CloseClick(Btn_Close); });
}

// The analysis and knowledge points, hidden until the review.
void TFrm_Ks_Choose::buildReviewControls()
{
    Btn_ZhiShiDian->hide();
    Btn_Analysis->hide();
    connect(Btn_ZhiShiDian, &QPushButton::clicked, this, [this] { Btn_ZhiShiDianClick(Btn_ZhiShiDian); });
    connect(Btn_Analysis, &QPushButton::clicked, this, [this] { Btn_AnalysisClick(Btn_Analysis); });
    Mem_Analysis->setObjectName(QStringLiteral("Mem_Analysis"));
    Mem_Analysis->setGeometry(512, 34, 109, 135);
    Mem_Analysis->setFont(songFont(14));
    Mem_Analysis->setReadOnly(true);
    Mem_Analysis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Mem_Analysis->hide();
    // Wide enough for the longest count, 共有'10'个知识点.
    Lbl_count->setGeometry(504, 171, 102, 14);
    Lbl_Ip->setGeometry(606, 171, 24, 14);
    Lbl_count->hide();
    Lbl_Ip->hide();
}

TFrm_Ks_Choose::~TFrm_Ks_Choose()
{
    if (Frm_Ks_Choose == this) {
        Frm_Ks_Choose = nullptr;
        CurrentAnswerBox = nullptr;
        CurrentNumberButton = nullptr;
    }
}

void TFrm_Ks_Choose::FormShow()
{
    Tfrm_qixNeoForm::FormShow();
    m_answeringBegun = false;
    try {
        DrawExamPaper();
    } catch (...) {
        // A paper that could not be drawn is not left on screen half drawn: the window goes
        // away again, and the next showing draws afresh. A failure once the whole paper is
        // in place (the first question's sign picture) is only reported.
        // The clock stops, so that it never hands in a paper that was not drawn, and the
        // wait message goes before the error comes up.
        if (!m_answeringBegun) {
            Timer1->stop();
            Tag = 0;
            m_drawFailed = true;
            HideWaitMessage();
        }
        throw;
    }
}

void TFrm_Ks_Choose::setVisible(bool visible)
{
    Tfrm_qixNeoForm::setVisible(visible);
    if (visible && m_drawFailed) {
        m_drawFailed = false;
        Tfrm_qixNeoForm::setVisible(false);
    }
}

void TFrm_Ks_Choose::onNumberButtonClicked()
{
    BitBtn1Click(sender());
}

void TFrm_Ks_Choose::onAnswerButtonClicked()
{
    Btn_Ans_AClick(sender());
}

void TFrm_Ks_Choose::onCurrentPageChanged()
{
    if (!m_settingPage)
        PageControl1Change(PageControl1);
}

void TFrm_Ks_Choose::setActivePage(int index)
{
    m_settingPage = true;
    PageControl1->setCurrentIndex(index);
    m_settingPage = false;
}

void TFrm_Ks_Choose::BitBtn1Click(QObject *Sender)
{
    // The number comes from the name, never from the caption.
    const int n = Sender->objectName().mid(6).toInt();
    const _Tk &slot = ExamPaper.at(n);
    if (CurrentNumberButton)
        setFontColor(CurrentNumberButton, clBlack);

    Edt_Tm->setPlainText(slot.QuestionText);
    Edt_Tm->setToolTip(QString::number(slot.QuestionId));
    showChoice(Edt_Ans_A, slot.ChoiceA);
    showChoice(Edt_Ans_B, slot.ChoiceB);
    showChoice(Edt_Ans_C, slot.ChoiceC);
    const bool hasC = !trimBlanks(slot.ChoiceC).isEmpty();
    Btn_Ans_C->setVisible(hasC);
    Edt_Ans_C->setVisible(hasC);

    auto *button = qobject_cast<QPushButton *>(Sender);
    CurrentNumberButton = button;
    CurrentAnswerBox = qobject_cast<QLineEdit *>(findComponent(this, QStringLiteral("Edit%1").arg(n)));
    CurrentNo = n;
    if (button)
        setFontColor(button, clRed);
    Mem_Analysis->setPlainText(slot.AnalysisText);

    // The mark moves to the row of the correct letter and keeps its row for any other key.
    const std::array<std::pair<QString, QLineEdit *>, 3> rows{{
        {QStringLiteral("A"), Edt_Ans_A},
        {QStringLiteral("B"), Edt_Ans_B},
        {QStringLiteral("C"), Edt_Ans_C},
    }};
    for (const auto &[letter, box] : rows) {
        int top = Img_DuiHao->y();
        if (slot.CorrectKey == letter)
            top = box->y();
        Img_DuiHao->move(box->x() + box->width(), top);
    }

    // A sign picture that cannot be shown is reported; the question stays on display
    // without it, so that it can still be answered and reviewed.
    try {
        Button2Click(Sender);
    } catch (...) {
        reportException(std::current_exception());
    }
}

void TFrm_Ks_Choose::PageControl1Change(QObject *)
{
    const int first = PageControl1->currentIndex() * QuestionsPerPage + 1;
    BitBtn1Click(findChildControl(PageControl1->currentWidget(), QStringLiteral("BitBtn%1").arg(first)));
}

void TFrm_Ks_Choose::Btn_Ans_AClick(QObject *Sender)
{
    const QString caption = qobject_cast<QPushButton *>(Sender)->text();
    const QString letter = caption.mid(1, 1);  // "&A" gives "A"
    qobject_cast<QLineEdit *>(findComponent(this, QStringLiteral("edit%1").arg(CurrentNo)))->setText(letter);
    SaveAnswerAndNext();
}

void TFrm_Ks_Choose::SaveAnswerAndNext()
{
    ExamPaper.at(CurrentNo).GivenAnswer = CurrentAnswerBox->text();
    if (CurrentNo % QuestionsPerPage == 0 && CurrentNo < ExamLength)
        setActivePage(CurrentNo / QuestionsPerPage);
    int next = CurrentNo + 1;
    if (CurrentNo == ExamLength) {
        setActivePage(0);
        next = 1;
    }
    BitBtn1Click(findChildControl(PageControl1->currentWidget(), QStringLiteral("BitBtn%1").arg(next)));
}

void TFrm_Ks_Choose::Btn_pingClick(QObject *)
{
    // The paper is told of before the score window runs modally, so that what listens keeps
    // it even if the program ends while the score window is up.
    const int secondsUsed = Countdown::ExamMinutes * 60 - (MinutesLeft * 60 + SecondsLeft);
    emit paperHandedIn(m_answeringBegan, qBound(0, secondsUsed, Countdown::ExamMinutes * 60));
    SetReviewMode(true);
}

void TFrm_Ks_Choose::Btn_CloseClick(QObject *)
{
    if (CurrentNumberButton)
        setFontColor(CurrentNumberButton, clBlack);
    close();
}

void TFrm_Ks_Choose::Timer1Timer(QObject *)
{
    // A clock without a paper in place (a start that failed) never hands anything in.
    if (Tag == 0) {
        Timer1->stop();
        return;
    }
    if (Countdown::tick(MinutesLeft, SecondsLeft) == Countdown::Tick::HandIn) {
        Btn_pingClick(Timer1);
        return;
    }
    Lbl_Minute->setText(Countdown::figure(MinutesLeft));
    Lbl_Second->setText(Countdown::figure(SecondsLeft));
}

void TFrm_Ks_Choose::Button2Click(QObject *)
{
    SignDisplay::show(*img_biaozhi, ExamPaper.at(CurrentNo).SignName);
}

void TFrm_Ks_Choose::Btn_AnalysisClick(QObject *)
{
    Mem_Analysis->setPlainText(ExamPaper.at(CurrentNo).AnalysisText);
}

void TFrm_Ks_Choose::Btn_ZhiShiDianClick(QObject *)
{
    _Tk &slot = ExamPaper.at(CurrentNo);
    Lbl_count->hide();
    Lbl_Ip->hide();
    Mem_Analysis->setPlainText(QStringLiteral("本题没有相应的知识点解释"));
    if (slot.KnowledgeCount == 0)
        return;
    Lbl_count->show();
    Lbl_Ip->show();
    // The index moves on before it shows: the first press shows point 2 where there are several.
    slot.KnowledgeIndex = KnowledgeCycle::next(slot.KnowledgeIndex, slot.KnowledgeCount);
    Lbl_count->setText(KnowledgeCycle::countText(slot.KnowledgeCount));
    Lbl_Ip->setText(QString::number(slot.KnowledgeIndex));
    Mem_Analysis->setPlainText(slot.KnowledgeTexts.at(std::size_t(slot.KnowledgeIndex - 1)));
}

void TFrm_Ks_Choose::PrepareNewExam()
{
    Timer1->stop();
    hide();
    Tag = 0;
    ResetExamPaper();
}

void TFrm_Ks_Choose::BeginAnswering()
{
    m_answeringBegun = true;
    m_answeringBegan = QDateTime::currentDateTime();
    // The previous paper's knowledge count is no part of this one.
    Lbl_count->clear();
    Lbl_Ip->clear();
    if (CurrentNumberButton)
        setFontColor(CurrentNumberButton, clBlack);
    CurrentNumberButton = qobject_cast<QPushButton *>(findComponent(this, QStringLiteral("BitBtn1")));
    CurrentAnswerBox = qobject_cast<QLineEdit *>(findComponent(this, QStringLiteral("Edit1")));
    CurrentNo = 1;
    MinutesLeft = Countdown::ExamMinutes;
    SecondsLeft = 0;
    Timer1->start();
    setActivePage(0);
    BitBtn1Click(CurrentNumberButton);
}

void SetReviewMode(bool Review)
{
    TFrm_Ks_Choose &window = *Frm_Ks_Choose;
    if (Review)
        window.Timer1->stop();
    else if (!window.Timer1->isActive())
        window.Timer1->start();
    window.Btn_ping->setEnabled(!Review);
    for (QWidget *control : std::initializer_list<QWidget *>{window.Btn_ZhiShiDian, window.Lbl_count, window.Lbl_Ip,
                                                             window.Btn_Analysis, window.Mem_Analysis})
        control->setVisible(Review);
    for (QPushButton *answer : {window.Btn_Ans_A, window.Btn_Ans_B, window.Btn_Ans_C})
        answer->setEnabled(!Review);
    window.Img_DuiHao->setVisible(Review);
    if (Review) {
        window.close();
        if (scoreWindowRunner)
            scoreWindowRunner();
    }
}

void setScoreWindowRunner(ScoreWindowRunner runner)
{
    scoreWindowRunner = runner;
}
