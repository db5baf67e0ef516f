// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tfrm_qixneoform.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TdxButton;
class TKvLabel;

// The score window: the 100 question numbers, green when answered right and red otherwise,
// the total of the scores of the questions answered right and beside it the verdict, pass or
// fail. A number opens that question in the exam window for review; "&Q退出" ends the review.
// Created and run modally by each hand-in (SetReviewMode(true)) and freed when it closes.
class TFrm_Ping : public Tfrm_qixNeoForm {
    Q_OBJECT
public:
    explicit TFrm_Ping(QWidget *parent = nullptr);
    ~TFrm_Ping() override;

    QFrame *const Panel1;
    TKvLabel *const KvLabel1;
    QLabel *const Label5;
    QGroupBox *const GrpBx_Choose;
    QLabel *const Label4;
    QLineEdit *const Edit_sum;
    QLabel *const Lbl_Verdict;  // 合格 or 不合格 for the total
    TdxButton *const Button2;

    // The sum of the scores of the questions answered right; set by each showing.
    int TotalScore = 0;

    // Opens the exam window on the question whose number is the caption of Sender.
    void BitBtn1Click(QObject *Sender);
    // Ends the review: start window forward, exam window hidden and due for a new paper.
    void Button2Click(QObject *Sender);

    // Creates the score window, shows it modally and frees it when its showing ends.
    static void runModal();

    // The exit button's look, "&Q退出" light gold to white with a red ring while focused; the
    // start window's exit button shares it.
    static void applyQuitButtonLook(TdxButton &button, int width);

protected:
    void FormShow() override;

private:
    void buildTitles();
    void buildNumbers();
    void buildTotal();
    void onNumberButtonClicked();
};

// The score window while it is up, otherwise null.
extern TFrm_Ping *Frm_Ping;
