// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tfrm_qixneoform.h"

#include <QDateTime>

#include <array>

class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class TKvLabel;

// The exam window: one question at a time with its choices, 100 number buttons with their
// answer boxes on five pages, the countdown and the hand-in. After hand-in the same window
// serves the review (SetReviewMode). Tag is the paper-drawn flag: 0 means that the next
// showing draws a new paper, 1 that a paper is in place and a showing changes nothing.
class TFrm_Ks_Choose : public Tfrm_qixNeoForm {
    Q_OBJECT
public:
    explicit TFrm_Ks_Choose(QWidget *parent = nullptr);
    ~TFrm_Ks_Choose() override;

    QFrame *const Panel2;
    TKvLabel *const KvLabel1;
    QTabWidget *const PageControl1;
    std::array<QWidget *, 5> TabSheet;  // TabSheet1 .. TabSheet5 at [0 .. 4]
    QGroupBox *const GroupBox1;
    QLabel *const Label2;
    QPlainTextEdit *const Edt_Tm;
    PictureBox *const img_biaozhi;
    QPushButton *const Btn_Ans_A;
    QPushButton *const Btn_Ans_B;
    QPushButton *const Btn_Ans_C;
    QLineEdit *const Edt_Ans_A;
    QLineEdit *const Edt_Ans_B;
    QLineEdit *const Edt_Ans_C;
    QLabel *const Img_DuiHao;
    QGroupBox *const GroupBox2;
    QFrame *const Panel1;
    QLabel *const Lbl_Minute;
    QLabel *const Label7;
    QLabel *const Lbl_Second;
    QPushButton *const Btn_ping;
    QPushButton *const Btn_Close;
    QPushButton *const Btn_ZhiShiDian;
    QPushButton *const Btn_Analysis;
    QPlainTextEdit *const Mem_Analysis;
    QLabel *const Lbl_count;
    QLabel *const Lbl_Ip;
    QTimer *const Timer1;

    // Shows the question whose number is in the name of Sender ("BitBtn" + number).
    void BitBtn1Click(QObject *Sender);
    // The trainee changed the page: shows the page's first question.
    void PageControl1Change(QObject *Sender);
    // Records the letter of the answer button Sender and moves on.
    void Btn_Ans_AClick(QObject *Sender);
    void Btn_pingClick(QObject *Sender);
    void Btn_CloseClick(QObject *Sender);
    void Timer1Timer(QObject *Sender);
    // The sign picture of the question on display; the last step of every question display.
    void Button2Click(QObject *Sender);
    // Review: the analysis of the question on display, back after knowledge points.
    void Btn_AnalysisClick(QObject *Sender);
    // Review: the next knowledge point of the question on display.
    void Btn_ZhiShiDianClick(QObject *Sender);

    // The first step of every exam start: the window goes, so that its next showing draws a
    // new paper, its clock stops until that paper is in place, and the paper is cleared.
    void PrepareNewExam();

    // After a new paper is drawn: page 1, question 1, 45:00 on the clock, countdown running.
    void BeginAnswering();

    // Makes page `index` (0 .. 4) active without running PageControl1Change.
    void setActivePage(int index);

    void setVisible(bool visible) override;

    // When the paper on display began: set as answering begins, kept until the next paper.
    QDateTime answeringBegan() const { return m_answeringBegan; }

signals:
    // A paper was handed in (交卷 or time out): sent with ExamPaper complete and before the
    // score window comes up, once per paper. Reviewing a past paper sends nothing.
    void paperHandedIn(const QDateTime &startedAt, int secondsUsed);

protected:
    void FormShow() override;

private:
    // The constructor's steps, top of the window to bottom.
    void buildTitle();
    void buildPages();
    void addNumber(QWidget *sheet, int n, QPoint at);
    void buildQuestionArea();
    void buildClockArea();
    void buildReviewControls();

    void SaveAnswerAndNext();
    void onNumberButtonClicked();
    void onAnswerButtonClicked();
    void onCurrentPageChanged();

    bool m_settingPage = false;  // the page is being changed from code
    bool m_drawFailed = false;   // the showing in progress failed to draw a paper
    bool m_answeringBegun = false;  // the showing in progress has a whole paper in place
    QDateTime m_answeringBegan;
};

extern TFrm_Ks_Choose *Frm_Ks_Choose;

// The exam-window state shared with the score window and the sign pictures.
extern int CurrentNo;                     // 1 .. 100, the question on display
extern QLineEdit *CurrentAnswerBox;       // Edit + CurrentNo
extern QPushButton *CurrentNumberButton;  // the number button drawn in red
extern int MinutesLeft;
extern int SecondsLeft;

// false: answering mode. true: review mode; also hides the exam window and runs the score
// window until it closes.
void SetReviewMode(bool Review);

// Runs the score window modally; the hand-in calls it last. The score window by default;
// tests that look at the exam window alone put something else in its place.
using ScoreWindowRunner = void (*)();
void setScoreWindowRunner(ScoreWindowRunner runner);
