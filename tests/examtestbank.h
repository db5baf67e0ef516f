// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds question banks for the exam tests in a temporary folder laid out like the
// program's own: <folder>/Dat/drvq.mdb and <folder>/Dat/Morvel.mdw.
#include "bankbuilder.h"
#include "bankcontent.h"

#include "connectionstring.h"
#include "tdm.h"

#include <QDir>
#include <QString>

namespace examtest {

inline Question question(qint32 tid)
{
    Question q;
    q.tid = tid;
    q.Timu = QStringLiteral("第%1题：驾驶机动车遇到这种情况应当怎样做？").arg(tid);
    q.ANSWER_A = QStringLiteral("减速慢行%1").arg(tid);
    q.ANSWER_B = QStringLiteral("加速通过%1").arg(tid);
    q.ANSWER_C = QStringLiteral("停车等待%1").arg(tid);
    q.ANALYSIS = QStringLiteral("评析%1").arg(tid);
    q.Key = QStringLiteral("A");
    q.Score = 1;
    return q;
}

// Questions with tid 1 .. count.
inline BankContent bank(int count)
{
    BankContent content;
    for (int tid = 1; tid <= count; ++tid)
        content.questions.push_back(question(tid));
    return content;
}

inline void writeBank(const BankContent &content, const QString &programFolder)
{
    BankBuilder::write(content, QDir(programFolder).filePath(QStringLiteral("Dat")));
}

// Points the data module at the bank in `programFolder`, as an exam start does.
inline void connect(TDm &dm, const QString &programFolder)
{
    dm.ADOConnection1->Close();
    dm.ADOConnection1->ConnectionString = buildConnectionString(bankPaths(QDir(programFolder).path() + u'/'));
    dm.ADOConnection1->Open();
}

} // namespace examtest
