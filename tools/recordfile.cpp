// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordfile.h"

#include "sourceerror.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// Reads a quoted value starting at the opening quote; returns the unescaped text.
QString unquote(QStringView text, const QString &fileName, int line)
{
    QString out;
    qsizetype i = 1;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'"') {
            if (!text.mid(i + 1).trimmed().isEmpty())
                throw SourceError(fileName, line,
                                  QCoreApplication::translate("RecordFile", "text after the closing quote"));
            return out;
        }
        if (c != u'\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= text.size())
            break;
        const QChar e = text[i + 1];
        i += 2;
        switch (e.unicode()) {
        case '\\': out += u'\\'; break;
        case '"': out += u'"'; break;
        case 'r': out += u'\r'; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'x': {
            bool ok = false;
            const int code = text.mid(i, 2).toInt(&ok, 16);
            if (!ok || text.mid(i, 2).size() != 2)
                throw SourceError(fileName, line,
                                  QCoreApplication::translate("RecordFile", "\\x needs two hexadecimal digits"));
            out += QChar(code);
            i += 2;
            break;
        }
        default:
            throw SourceError(fileName, line, QCoreApplication::translate("RecordFile", "unknown escape \\%1").arg(e));
        }
    }
    throw SourceError(fileName, line, QCoreApplication::translate("RecordFile", "quoted value has no closing quote"));
}

} // namespace

const RecordField *Record::find(const QString &name) const
{
    for (const RecordField &field : fields) {
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

std::vector<Record> RecordFile::parse(const QString &text, const QString &fileName)
{
    std::vector<Record> records;
    Record current;
    bool lastWasQuoted = false;
    const auto finish = [&] {
        if (!current.fields.empty())
            records.push_back(std::move(current));
        current = Record{};
    };

    const auto lines = QStringView(text).split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int lineNo = static_cast<int>(index) + 1;
        QStringView line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);

        if (line.trimmed().isEmpty()) {
            finish();
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(u"  ")) {
            if (current.fields.empty())
                throw SourceError(fileName, lineNo,
                                  QCoreApplication::translate("RecordFile", "continuation line outside a record"));
            if (lastWasQuoted)
                throw SourceError(fileName, lineNo,
                                  QCoreApplication::translate("RecordFile", "a quoted value cannot go on over lines"));
            current.fields.back().value += QStringLiteral("\r\n") + line.mid(2).toString();
            continue;
        }

        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            throw SourceError(fileName, lineNo, QCoreApplication::translate("RecordFile", "expected \"field: value\""));
        RecordField field;
        field.name = line.left(colon).trimmed().toString();
        field.line = lineNo;
        if (field.name.contains(u' '))
            throw SourceError(fileName, lineNo,
                              QCoreApplication::translate("RecordFile", "field name \"%1\" holds a blank")
                                                    .arg(field.name));
        if (current.find(field.name))
            throw SourceError(fileName, lineNo,
                              QCoreApplication::translate("RecordFile", "field \"%1\" given twice in one record")
                                                    .arg(field.name));

        QStringView value = line.mid(colon + 1);
        if (value.startsWith(u' '))
            value = value.mid(1);
        lastWasQuoted = value.startsWith(u'"');
        field.value = lastWasQuoted ? unquote(value, fileName, lineNo) : value.toString();
        field.quoted = lastWasQuoted;
        if (current.fields.empty())
            current.line = lineNo;
        current.fields.push_back(std::move(field));
    }
    finish();
    return records;
}

QString RecordFile::formatField(const QString &name, const QString &value, bool quoted)
{
    if (value.isEmpty() && !quoted)
        return name + QStringLiteral(":\n");

    // The plain form, with CR LF breaks written as continuation lines, reads back the same
    // unless a line is empty or has blanks at its end (editors drop them), the value starts
    // with a blank or a quote, or it holds any other control character.
    const QStringList lines = value.split(QStringLiteral("\r\n"));
    bool plain = !quoted && !value.startsWith(u'"') && !value.front().isSpace();
    for (const QString &line : lines) {
        if (line.isEmpty() || line.back().isSpace() || std::any_of(line.begin(), line.end(), isControl))
            plain = false;
    }
    if (plain)
        return name + QStringLiteral(": ") + lines.join(QStringLiteral("\n  ")) + u'\n';

    QString out = name + QStringLiteral(": \"");
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '"': out += QStringLiteral("\\\""); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (isControl(c))
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QStringLiteral("\"\n");
}
