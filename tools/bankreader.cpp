// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankreader.h"

#include "bankschema.h"
#include "connectionstring.h"
#include "jetdatabase.h"
#include "tdm.h"
#include "textscramble.h"

#include <QDir>

#include <memory>

namespace {

QString connectionFor(const QString &datFolder)
{
    const QDir dat(datFolder);
    return buildConnectionString({dat.absoluteFilePath(DatabaseFileName), dat.absoluteFilePath(WorkgroupFileName)});
}

} // namespace

QStringList BankReader::missingSchema(const QString &datFolder)
{
    const std::unique_ptr<JetDatabase> database = JetDatabase::open(connectionFor(datFolder));
    return missingFromSchema(*database);
}

BankContent BankReader::read(const QString &datFolder, bool raw)
{
    const auto plain = [raw](const QString &stored) { return raw ? stored : descrambleColumn(stored); };

    // The bank layer keeps one data module for the program; the tool makes its own when
    // none exists yet.
    std::unique_ptr<TDm> own;
    if (!Dm)
        own = std::make_unique<TDm>();

    // The same connection string as the trainer's, with the folder's two files in it.
    Dm->ADOConnection1->Close();
    Dm->ADOConnection1->ConnectionString = connectionFor(datFolder);
    Dm->ado_biaozhi->Close();
    Dm->ado_biaozhi->Open();

    BankContent content;
    RunQuery(QStringLiteral("select * from choose order by tid"));
    TADOQuery &query = *Dm->ADOQuery1;
    content.questions.reserve(query.RecordCount());
    for (query.First(); !query.Eof(); query.Next()) {
        Question q;
        q.tid = static_cast<qint32>(query.FieldByName(QStringLiteral("tid")).AsInteger());
        q.Timu = plain(query.FieldByName(QStringLiteral("Timu")).AsString());
        q.ANSWER_A = plain(query.FieldByName(QStringLiteral("ANSWER_A")).AsString());
        q.ANSWER_B = plain(query.FieldByName(QStringLiteral("ANSWER_B")).AsString());
        q.ANSWER_C = plain(query.FieldByName(QStringLiteral("ANSWER_C")).AsString());
        q.ANSWER_D = query.FieldByName(QStringLiteral("ANSWER_D")).AsString();
        q.ANALYSIS = plain(query.FieldByName(QStringLiteral("ANALYSIS")).AsString());
        q.ZHISHIDIAN = query.FieldByName(QStringLiteral("ZHISHIDIAN")).AsString();
        q.Key = query.FieldByName(QStringLiteral("Key")).AsString();
        q.Score = static_cast<qint32>(query.FieldByName(QStringLiteral("Score")).AsInteger());
        q.biaozhi = query.FieldByName(QStringLiteral("biaozhi")).AsString();
        content.questions.push_back(std::move(q));
    }

    RunQuery(QStringLiteral("select * from tzhishidian"));
    for (query.First(); !query.Eof(); query.Next()) {
        KnowledgePoint point;
        point.recno = query.FieldByName(QStringLiteral("recno")).AsString();
        point.Keyword = plain(query.FieldByName(QStringLiteral("Keyword")).AsString());
        point.knowladge = plain(query.FieldByName(QStringLiteral("knowladge")).AsString());
        content.knowledge.push_back(std::move(point));
    }

    TADOTable &signs = *Dm->ado_biaozhi;
    signs.setFiltered(false);
    for (signs.First(); !signs.Eof(); signs.Next()) {
        SignPicture sign;
        sign.filename = Dm->ado_biaozhifilename().AsString();
        sign.files = Dm->ado_biaozhifiles().AsBytes();
        content.signs.push_back(std::move(sign));
    }
    Dm->ADOQuery1->Close();
    Dm->ado_biaozhi->Close();
    Dm->ADOConnection1->Close();
    return content;
}
