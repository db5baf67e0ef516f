// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankquestions.h"
#include "studyrecord.h"

#include <QDateTime>
#include <QObject>

#include <memory>

class TFrm_Ks_Sta;
class TFrm_Ks_Choose;

namespace practice {
class StudyWindow;
}

// The trainee's study record for one run of the trainer: it opens the study window from
// the start window and writes every handed-in paper before its score window comes up.
// The bank's questions are read once per bank and kept while the bank stays the same.
class StudySession : public QObject {
    Q_OBJECT
public:
    StudySession(TFrm_Ks_Sta &startWindow, TFrm_Ks_Choose &examWindow, QObject *parent = nullptr);
    ~StudySession() override;

    [[nodiscard]] study::StudyRecord &record() { return *m_record; }
    [[nodiscard]] practice::StudyWindow *studyWindow() const { return m_window.get(); }

    // Connects the bank in the bank folder and shows the study window over it.
    void openStudyWindow();
    // Writes the paper on display, handed in just now, to the record.
    void recordPaper(const QDateTime &startedAt, int secondsUsed);

private:
    // The connected bank's questions, read again only when the bank changed.
    const practice::BankQuestions &connectedBank();

    TFrm_Ks_Sta &m_start;
    TFrm_Ks_Choose &m_exam;
    std::unique_ptr<study::StudyRecord> m_record;
    std::unique_ptr<practice::StudyWindow> m_window;
    QString m_bankId;      // the bank read last, with the file's time and size
    QString m_windowBank;  // the same for the bank the study window shows
    practice::BankQuestions m_bank;
};
