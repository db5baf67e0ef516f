// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankbuilder.h"

#include "sourceerror.h"

#include "connectionstring.h"
#include "textscramble.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>
#include <QDir>
#include <QSaveFile>

#include <stdexcept>

using jet4::Column;
using jet4::ColumnType;

namespace {

jet4::Value text(const QString &value)
{
    return value;
}

jet4::Value scrambled(const QString &value)
{
    return scrambleColumn(value);
}

// A stable security id for an account, so that a rebuilt workgroup file is the same.
QByteArray securityId(const QString &account)
{
    return QCryptographicHash::hash(account.toUtf8(), QCryptographicHash::Sha1).left(16);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SourceError(path, 0, QCoreApplication::translate("BankBuilder", "cannot be written: %1")
                                       .arg(file.errorString()));
}

} // namespace

jet4::Database BankBuilder::bankDatabase(const BankContent &content, double creationDate)
{
    jet4::Table choose{QStringLiteral("choose"),
                       {
                           {QStringLiteral("tid"), ColumnType::LongInteger},
                           {QStringLiteral("Timu"), ColumnType::Memo},
                           {QStringLiteral("ANSWER_A"), ColumnType::Text, 255},
                           {QStringLiteral("ANSWER_B"), ColumnType::Text, 255},
                           {QStringLiteral("ANSWER_C"), ColumnType::Text, 255},
                           {QStringLiteral("ANSWER_D"), ColumnType::Text, 255},
                           {QStringLiteral("ANALYSIS"), ColumnType::Memo},
                           {QStringLiteral("ZHISHIDIAN"), ColumnType::Text, 255},
                           {QStringLiteral("Key"), ColumnType::Text, 10},
                           {QStringLiteral("Score"), ColumnType::LongInteger},
                           {QStringLiteral("biaozhi"), ColumnType::Text, 50},
                       },
                       {}};
    choose.rows.reserve(content.questions.size());
    for (const Question &q : content.questions) {
        choose.rows.push_back({q.tid, scrambled(q.Timu), scrambled(q.ANSWER_A), scrambled(q.ANSWER_B),
                               scrambled(q.ANSWER_C), text(q.ANSWER_D), scrambled(q.ANALYSIS), text(q.ZHISHIDIAN),
                               text(q.Key), q.Score, text(q.biaozhi)});
    }

    jet4::Table knowledge{QStringLiteral("tzhishidian"),
                          {
                              {QStringLiteral("recno"), ColumnType::Text, 10},
                              {QStringLiteral("Keyword"), ColumnType::Text, 255},
                              {QStringLiteral("knowladge"), ColumnType::Memo},
                          },
                          {}};
    knowledge.rows.reserve(content.knowledge.size());
    for (const KnowledgePoint &point : content.knowledge)
        knowledge.rows.push_back({text(point.recno), scrambled(point.Keyword), scrambled(point.knowladge)});

    jet4::Table signs{QStringLiteral("biaozhi"),
                      {
                          {QStringLiteral("filename"), ColumnType::Text, 50},
                          {QStringLiteral("files"), ColumnType::OleObject},
                      },
                      {}};
    signs.rows.reserve(content.signs.size());
    for (const SignPicture &sign : content.signs)
        signs.rows.push_back({text(sign.filename), sign.files});

    jet4::Database database;
    database.tables = {std::move(choose), std::move(knowledge), std::move(signs)};
    database.password = DatabasePassword;
    database.creationDate = creationDate;
    return database;
}

jet4::Database BankBuilder::workgroupDatabase(double creationDate)
{
    jet4::Table accounts{QStringLiteral("MSysAccounts"),
                         {
                             {QStringLiteral("Name"), ColumnType::Text, 255},
                             {QStringLiteral("SID"), ColumnType::Binary, 255},
                             {QStringLiteral("Password"), ColumnType::Binary, 255},
                             {QStringLiteral("FGroup"), ColumnType::Boolean},
                         },
                         {},
                         true};
    // The groups every workgroup file has, and the one user the trainer opens the bank as.
    // The password is kept in a one-way form whose algorithm is not published; the bank
    // layer checks the account only, so the field stays empty.
    for (const auto &[name, group] : {std::pair{QStringLiteral("Admins"), true},
                                      std::pair{QStringLiteral("Users"), true},
                                      std::pair{QStringLiteral("admin"), false}}) {
        accounts.rows.push_back({name, securityId(name), QByteArray(), group});
    }

    jet4::Database database;
    database.tables = {std::move(accounts)};
    database.creationDate = creationDate;
    database.workgroup = true;
    return database;
}

void BankBuilder::write(const BankContent &content, const QString &folder)
{
    const double created = now();
    QByteArray bank;
    QByteArray workgroup;
    try {
        bank = jet4::writeDatabase(bankDatabase(content, created));
        workgroup = jet4::writeDatabase(workgroupDatabase(created));
    } catch (const std::invalid_argument &e) {
        throw SourceError(folder, 0, QCoreApplication::translate("BankBuilder", "cannot be built: %1")
                                         .arg(QString::fromUtf8(e.what())));
    }
    if (!QDir().mkpath(folder))
        throw SourceError(folder, 0, QCoreApplication::translate("BankBuilder", "cannot create the folder"));
    writeFile(QDir(folder).filePath(WorkgroupFileName), workgroup);
    writeFile(QDir(folder).filePath(DatabaseFileName), bank);
}

double BankBuilder::now()
{
    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return double(epoch.msecsTo(QDateTime::currentDateTimeUtc())) / 86'400'000.0;
}
