// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "studysession.h"

#include "handin.h"
#include "pastpaper.h"
#include "programfolder.h"
#include "searchanimation.h"
#include "studywindow.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ks_sta.h"
#include "tx_printmessage.h"

#include <QFileInfo>

StudySession::StudySession(TFrm_Ks_Sta &startWindow, TFrm_Ks_Choose &examWindow, QObject *parent)
    : QObject(parent)
    , m_start(startWindow)
    , m_exam(examWindow)
    , m_record(std::make_unique<study::StudyRecord>())
{
    connect(&m_start, &TFrm_Ks_Sta::studyWindowRequested, this, &StudySession::openStudyWindow);
    connect(&m_exam, &TFrm_Ks_Choose::paperHandedIn, this, &StudySession::recordPaper);
}

StudySession::~StudySession() = default;

const practice::BankQuestions &StudySession::connectedBank()
{
    const QString id = study::bankIdentity(DatabasePath);
    const QFileInfo file(DatabasePath);
    // A bank replaced in place under the same name is read again.
    const QString stamp = id + QLatin1Char('@') + QString::number(file.lastModified().toMSecsSinceEpoch())
                          + QLatin1Char('/') + QString::number(file.size());
    if (stamp != m_bankId) {
        m_bank = practice::loadBankQuestions();
        m_bankId = stamp;
    }
    return m_bank;
}

void StudySession::openStudyWindow()
{
    ShowWaitMessage(QStringLiteral("正在读取题库请等待...."), SearchAnimation::aviFindComputer);
    try {
        // An exam being answered keeps its connection: its paper is drawn already, and
        // its sign pictures come from the same bank.
        if (!practice::examInProgress())
            m_start.ConnectBank();
        const QString id = study::bankIdentity(DatabasePath);
        const practice::BankQuestions &bank = connectedBank();
        if (!m_window)
            m_window = std::make_unique<practice::StudyWindow>(*m_record);
        if (m_windowBank != m_bankId) {
            m_window->setBank(id, bank);
            m_windowBank = m_bankId;
        }
    } catch (...) {
        HideWaitMessage();
        throw;
    }
    HideWaitMessage();
    // A showing fills the pages; a window already up is filled again here.
    if (m_window->isVisible())
        m_window->refresh();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void StudySession::recordPaper(const QDateTime &startedAt, int secondsUsed)
{
    const auto bank = [this]() -> QList<study::BankQuestion> {
        try {
            return practice::estimatorQuestions(connectedBank());
        } catch (...) {
            // Without the bank the paper is still kept, without a pass chance.
            return {};
        }
    };
    practice::recordHandedInPaper(*m_record, study::bankIdentity(DatabasePath), bank, startedAt, secondsUsed, &m_exam);
    if (m_window && m_window->isVisible())
        m_window->refresh();
}
