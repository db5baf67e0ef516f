// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signindexfile.h"

#include "signerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace {

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    const QChar lower = c.toLower();
    if (lower >= u'a' && lower <= u'f')
        return lower.unicode() - u'a' + 10;
    return -1;
}

// A value in double quotes with the escapes \\ \" \r \n \t \xHH; returns false when malformed.
bool unquote(QStringView quoted, QString *value)
{
    if (quoted.size() < 2 || !quoted.endsWith(u'"'))
        return false;
    const QStringView body = quoted.sliced(1, quoted.size() - 2);
    value->clear();
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'"')
            return false;
        if (c != u'\\') {
            value->append(c);
            continue;
        }
        if (++i >= body.size())
            return false;
        switch (body[i].unicode()) {
        case u'\\': value->append(u'\\'); break;
        case u'"': value->append(u'"'); break;
        case u'r': value->append(u'\r'); break;
        case u'n': value->append(u'\n'); break;
        case u't': value->append(u'\t'); break;
        case u'x': {
            if (i + 2 >= body.size())
                return false;
            const int high = hexDigit(body[i + 1]);
            const int low = hexDigit(body[i + 2]);
            if (high < 0 || low < 0)
                return false;
            value->append(QChar(high * 16 + low));
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace

SignIndexFile::SignIndexFile(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SignError(QCoreApplication::translate("SignIndexFile", "%1: cannot read: %2")
                            .arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw SignError(QCoreApplication::translate("SignIndexFile", "%1: not UTF-8 text").arg(path));
    parse(text);
}

void SignIndexFile::parse(const QString &text)
{
    QHash<QString, int> seenAt; // filename -> line of its record
    QString name;
    QString lastField;
    int recordLine = 0; // first line of the current record, 0 between records
    bool hasName = false;

    const auto finishRecord = [&]() {
        if (recordLine == 0)
            return;
        if (!hasName)
            throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: the record has no filename")
                                .arg(m_path).arg(recordLine));
        if (name.trimmed().isEmpty())
            throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: the record's filename is empty")
                                .arg(m_path).arg(recordLine));
        if (const auto it = seenAt.constFind(name); it != seenAt.cend())
            throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: filename %3 is also given by the "
                                                                         "record at line %4")
                                .arg(m_path).arg(recordLine).arg(name).arg(it.value()));
        seenAt.insert(name, recordLine);
        m_fileNames.append(name);
        recordLine = 0;
        hasName = false;
        name.clear();
        lastField.clear();
    };

    const QStringList lines = text.split(u'\n');
    QSet<QString> fieldsInRecord;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        QStringView line(lines[i]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            finishRecord();
            fieldsInRecord.clear();
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(u"  ")) {
            if (recordLine == 0)
                throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: continuation line outside a record")
                                    .arg(m_path).arg(lineNo));
            if (lastField == u"filename")
                name += QStringLiteral("\r\n") + line.sliced(2).toString();
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: expected \"field: value\"")
                                .arg(m_path).arg(lineNo));
        const QString field = line.first(colon).trimmed().toString().toLower();
        QStringView value = line.sliced(colon + 1);
        if (value.startsWith(u' '))
            value = value.sliced(1);
        if (recordLine == 0)
            recordLine = lineNo;
        if (fieldsInRecord.contains(field))
            throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: field %3 appears twice in the record")
                                .arg(m_path).arg(lineNo).arg(field));
        fieldsInRecord.insert(field);
        lastField = field;
        if (field != u"filename")
            continue;
        hasName = true;
        if (value.startsWith(u'"')) {
            if (!unquote(value, &name))
                throw SignError(QCoreApplication::translate("SignIndexFile", "%1:%2: malformed quoted value")
                                    .arg(m_path).arg(lineNo));
        } else {
            name = value.toString();
        }
    }
    finishRecord();
}
