// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds damaged bank files through everything the trainer does with a bank: opening with
// the password and account checks, the drawing query, knowledge queries and the sign filter.
// The first input byte chooses which of the two files the rest replaces.
#include "bankbuilder.h"

#include "bankerror.h"
#include "connectionstring.h"
#include "jetdatabase.h"
#include "knowledgequery.h"
#include "sqlcondition.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

const QByteArray &goodWorkgroup()
{
    static const QByteArray image = jet4::writeDatabase(BankBuilder::workgroupDatabase(45000.5));
    return image;
}

const QByteArray &goodBank()
{
    static const QByteArray image = [] {
        BankContent content;
        for (int i = 0; i < 3; ++i) {
            content.questions.push_back({i + 1, QStringLiteral("题目%1").arg(i), QStringLiteral("甲"), QStringLiteral("乙"),
                                         QString(), QString(), QStringLiteral("评析"), QStringLiteral("00001"),
                                         QStringLiteral("A"), 1, QStringLiteral("a.jpg"), 0});
        }
        content.knowledge.push_back({QStringLiteral("00001"), QStringLiteral("词"), QStringLiteral("解释"), 0});
        content.signs.push_back({QStringLiteral("a.jpg"), QByteArray(5000, 'j'), 0});
        return jet4::writeDatabase(BankBuilder::bankDatabase(content, 45000.5));
    }();
    return image;
}

void exercise(const QByteArray &bank, const QByteArray &workgroup)
{
    const QString connection = buildConnectionString({QStringLiteral("fuzz/drvq.mdb"), QStringLiteral("fuzz/Morvel.mdw")});
    try {
        auto database = JetDatabase::openFromBuffers(bank, workgroup, connection);
        const ResultSet questions = database->query(QStringLiteral("select * from choose order by tid"));
        const int codes = questions.columnIndex(QStringLiteral("ZHISHIDIAN"));
        for (size_t row = 0; row < questions.rows.size() && row < 20 && codes >= 0; ++row) {
            const QString text = cellText(questions.rows[row][size_t(codes)]);
            if (!text.trimmed().isEmpty())
                (void)database->query(knowledgeStatement(text));
        }
        const auto signs = database->table(QStringLiteral("biaozhi"));
        SqlCondition filter = SqlCondition::parseFilter(QStringLiteral("filename='a.jpg'"));
        filter.bind(*signs, QStringLiteral("biaozhi"));
        const int files = signs->columnIndex(QStringLiteral("files"));
        for (const auto &row : signs->rows) {
            if (filter.matches(row) && files >= 0)
                (void)cellText(row[size_t(files)]);
        }
    } catch (const BankError &) {
        // A damaged file is refused with a message; that is the expected outcome.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (data[0] & 1)
        exercise(goodBank(), rest);
    else
        exercise(rest, goodWorkgroup());
    return 0;
}
