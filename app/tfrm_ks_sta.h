// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tdxbutton.h"
#include "tfrm_qixneoform.h"

class QLabel;

// The start window, the program's main window: the title, a web and a mail link, the button
// that starts an exam and the one that ends the program. Closing it ends the program.
class TFrm_Ks_Sta : public Tfrm_qixNeoForm {
    Q_OBJECT
public:
    explicit TFrm_Ks_Sta(QWidget *parent = nullptr);
    ~TFrm_Ks_Sta() override;

    QFrame *const Panel1;
    QLabel *const Label6;  // the engraved title, a TKvLabel
    QLabel *const Label4;
    QLabel *const Label5;
    TdxButton *const Button1;
    TdxButton *const Button2;
    TdxButton *const Button3;  // "&P练习与记录", between the start and the quit button

    // Hides an exam window still on screen, resets the paper, opens the bank beside the
    // program and shows the exam window, whose showing draws a new paper. The wait message is
    // up meanwhile; neither it nor the exam clock outlives a failure.
    void Button1Click(QObject *Sender);
    // Connects the data module to the bank in the bank folder, as an exam start does;
    // throws BankError with what to do when the bank is missing or cannot be read.
    void ConnectBank();
    void Button2Click(QObject *Sender);
    // Asks for the study window (practice, wrong questions, favourites, past papers).
    void Button3Click(QObject *Sender);
    void Label4Click(QObject *Sender);
    void Label5Click(QObject *Sender);

    static const QString WebAddress;
    static const QString MailAddress;

signals:
    void studyWindowRequested();

protected:
    void FormShow() override;  // then the splash, once per run
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TFrm_Ks_Sta *Frm_Ks_Sta;
