// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "banksource.h"

#include "recordfile.h"
#include "sourceerror.h"

#include "textscramble.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <QRegularExpression>

#include <climits>

namespace {

const QString kChooseFile = QStringLiteral("choose.txt");
const QString kKnowledgeFile = QStringLiteral("tzhishidian.txt");
const QString kSignFile = QStringLiteral("biaozhi.txt");
const QString kPictureFolder = QStringLiteral("signs");

// Column widths in characters, as the bank declares them.
constexpr int kTextWidth = 255;
constexpr int kKeyWidth = 10;
constexpr int kFileNameWidth = 50;
constexpr int kCodeWidth = 10;

QString readText(const QString &path, const QString &shownName)
{
    QFile file(path);
    // A missing file names the folder it was looked for in: the wrong folder is the usual cause.
    if (!file.exists())
        throw SourceError(shownName, 0, QCoreApplication::translate("BankSource", "not found in the folder %1")
                                            .arg(QDir::toNativeSeparators(QFileInfo(path).path())));
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(shownName, 0, QCoreApplication::translate("BankSource", "cannot be read: %1")
                                            .arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw SourceError(shownName, 0, QCoreApplication::translate("BankSource", "is not UTF-8 text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Reads the fields of one record into the places `bind` names, refusing unknown fields.
class RecordReader {
public:
    RecordReader(const Record &record, const QString &fileName) : m_record(record), m_fileName(fileName) {}

    void text(const QString &name, QString &target, int width, bool scrambled)
    {
        const RecordField *field = take(name);
        if (!field)
            return;
        if (field->value.size() > width) {
            throw SourceError(m_fileName, field->line,
                              QCoreApplication::translate("BankSource", "%1 has %2 characters; the column holds %3")
                                  .arg(name).arg(field->value.size()).arg(width));
        }
        if (scrambled)
            checkScrambling(*field);
        target = field->value;
    }

    void integer(const QString &name, qint32 &target, bool required)
    {
        const RecordField *field = take(name);
        if (!field || field->value.trimmed().isEmpty()) {
            if (required)
                throw SourceError(m_fileName, field ? field->line : m_record.line,
                                  QCoreApplication::translate("BankSource", "%1 is missing")
                                                                                       .arg(name));
            return;
        }
        bool ok = false;
        target = field->value.trimmed().toInt(&ok);
        if (!ok) {
            throw SourceError(m_fileName, field->line,
                              QCoreApplication::translate("BankSource", "%1 \"%2\" is not a whole number")
                                  .arg(name, field->value));
        }
    }

    const RecordField *take(const QString &name)
    {
        const RecordField *field = m_record.find(name);
        if (field)
            m_used.insert(field->name.toLower());
        return field;
    }

    // After all fields were taken: anything left is a field the table does not have.
    void finish() const
    {
        for (const RecordField &field : m_record.fields) {
            if (!m_used.contains(field.name.toLower()))
                throw SourceError(m_fileName, field.line,
                                  QCoreApplication::translate("BankSource", "unknown field \"%1\"")
                                                              .arg(field.name));
        }
    }

private:
    void checkScrambling(const RecordField &field) const
    {
        if (survivesScrambling(field.value))
            return;
        // Name the first character that does not survive, so the author can replace it.
        for (qsizetype i = 0; i < field.value.size(); ++i) {
            const qsizetype length = field.value[i].isHighSurrogate() ? 2 : 1;
            const QString character = field.value.mid(i, length);
            if (!survivesScrambling(character)) {
                throw SourceError(m_fileName, field.line,
                                  QCoreApplication::translate("BankSource", "%1: the character \"%2\" (U+%3) cannot be "
                                                                            "stored in a scrambled "
                                                 "text; use characters of GB2312")
                                      .arg(field.name, character)
                                      .arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0')));
            }
            i += length - 1;
        }
        throw SourceError(m_fileName, field.line,
                          QCoreApplication::translate("BankSource", "%1 cannot be stored as a scrambled text")
                                                      .arg(field.name));
    }

    const Record &m_record;
    const QString &m_fileName;
    QSet<QString> m_used;
};

std::vector<Record> readRecords(const QString &folder, const QString &name)
{
    return RecordFile::parse(readText(QDir(folder).filePath(name), name), name);
}

QByteArray readPicture(const QString &path, const QString &folder, const QStringList &pictureFolders,
                       int line)
{
    QStringList candidates;
    if (QFileInfo(path).isAbsolute()) {
        candidates << path;
    } else {
        candidates << QDir(folder).filePath(path);
        for (const QString &extra : pictureFolders) {
            candidates << QDir(extra).filePath(path) << QDir(extra).filePath(QFileInfo(path).fileName());
        }
    }
    for (const QString &candidate : candidates) {
        QFile file(candidate);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    QStringList looked;
    for (const QString &candidate : std::as_const(candidates)) {
        const QString where = QDir::toNativeSeparators(QFileInfo(candidate).path());
        if (!looked.contains(where))
            looked << where;
    }
    throw SourceError(kSignFile, line,
                      QCoreApplication::translate("BankSource", "picture file \"%1\" not found; looked in %2 "
                                                                "(--pictures DIR adds a folder to look in)")
                          .arg(path, looked.join(QStringLiteral(", "))));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SourceError(path, 0, QCoreApplication::translate("BankSource", "cannot be written: %1")
                                       .arg(file.errorString()));
}

// A picture's file name inside signs/: the bank's name when it is a plain file name,
// otherwise one made up from its position, so that no name leads outside the folder.
QString pictureFileName(const QString &bankName, int index, QSet<QString> &taken)
{
    static const QRegularExpression plain(QStringLiteral(R"(^[^/\\:*?"<>|\x00-\x1f]{1,100}$)"));
    QString name = bankName;
    if (!plain.match(name).hasMatch() || name == u"." || name == u".." || name.startsWith(u'.'))
        name = QStringLiteral("sign%1.jpg").arg(index + 1);
    while (taken.contains(name.toLower()))
        name = QStringLiteral("sign%1-%2").arg(index + 1).arg(name);
    taken.insert(name.toLower());
    return name;
}

} // namespace

bool BankSource::isSourceFolder(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(kChooseFile)).isFile();
}

QString BankSource::joinCodes(const QString &sourceCodes)
{
    QString codes = sourceCodes;
    codes.remove(u' ');
    return codes;
}

QString BankSource::splitCodes(const QString &bankCodes)
{
    QStringList pieces;
    for (qsizetype offset = 0; offset < bankCodes.size(); offset += 5)
        pieces << bankCodes.mid(offset, 5);
    return pieces.join(u' ');
}

BankContent BankSource::read(const QString &folder, const QStringList &pictureFolders)
{
    // Name the folder itself when it is missing; a message about choose.txt alone would not.
    if (!QFileInfo(folder).isDir())
        throw SourceError(folder, 0,
                          QCoreApplication::translate("BankSource", "no such folder; give the folder that holds "
                                                                 "choose.txt, tzhishidian.txt and biaozhi.txt"));
    BankContent content;

    QHash<qint32, int> tidLines;
    for (const Record &record : readRecords(folder, kChooseFile)) {
        RecordReader reader(record, kChooseFile);
        Question q;
        q.line = record.line;
        reader.integer(QStringLiteral("tid"), q.tid, true);
        reader.text(QStringLiteral("Timu"), q.Timu, INT_MAX, true);
        reader.text(QStringLiteral("ANSWER_A"), q.ANSWER_A, kTextWidth, true);
        reader.text(QStringLiteral("ANSWER_B"), q.ANSWER_B, kTextWidth, true);
        reader.text(QStringLiteral("ANSWER_C"), q.ANSWER_C, kTextWidth, true);
        reader.text(QStringLiteral("ANSWER_D"), q.ANSWER_D, kTextWidth, false);
        reader.text(QStringLiteral("ANALYSIS"), q.ANALYSIS, INT_MAX, true);
        if (const RecordField *codes = reader.take(QStringLiteral("ZHISHIDIAN"))) {
            q.ZHISHIDIAN = codes->quoted ? codes->value : joinCodes(codes->value);
            if (q.ZHISHIDIAN.size() > kTextWidth)
                throw SourceError(kChooseFile, codes->line,
                                  QCoreApplication::translate("BankSource", "ZHISHIDIAN holds more than %1 characters")
                                                                .arg(kTextWidth));
        }
        reader.text(QStringLiteral("Key"), q.Key, kKeyWidth, false);
        reader.integer(QStringLiteral("Score"), q.Score, false);
        reader.text(QStringLiteral("biaozhi"), q.biaozhi, kFileNameWidth, false);
        reader.finish();
        if (const auto seen = tidLines.constFind(q.tid); seen != tidLines.cend()) {
            throw SourceError(kChooseFile, record.line,
                              QCoreApplication::translate("BankSource", "tid %1 is already used by the question at line %2")
                                  .arg(q.tid).arg(*seen));
        }
        tidLines.insert(q.tid, record.line);
        content.questions.push_back(std::move(q));
    }

    QHash<QString, int> codeLines;
    for (const Record &record : readRecords(folder, kKnowledgeFile)) {
        RecordReader reader(record, kKnowledgeFile);
        KnowledgePoint point;
        point.line = record.line;
        reader.text(QStringLiteral("recno"), point.recno, kCodeWidth, false);
        reader.text(QStringLiteral("Keyword"), point.Keyword, kTextWidth, true);
        reader.text(QStringLiteral("knowladge"), point.knowladge, INT_MAX, true);
        reader.finish();
        if (point.recno.isEmpty())
            throw SourceError(kKnowledgeFile, record.line,
                              QCoreApplication::translate("BankSource", "recno is missing"));
        if (const auto seen = codeLines.constFind(point.recno); seen != codeLines.cend()) {
            throw SourceError(kKnowledgeFile, record.line,
                              QCoreApplication::translate("BankSource", "recno %1 is already used at line %2")
                                  .arg(point.recno).arg(*seen));
        }
        codeLines.insert(point.recno, record.line);
        content.knowledge.push_back(std::move(point));
    }

    QHash<QString, int> nameLines;
    for (const Record &record : readRecords(folder, kSignFile)) {
        RecordReader reader(record, kSignFile);
        SignPicture sign;
        sign.line = record.line;
        reader.text(QStringLiteral("filename"), sign.filename, kFileNameWidth, false);
        QString path;
        reader.text(QStringLiteral("files"), path, INT_MAX, false);
        reader.finish();
        if (sign.filename.isEmpty())
            throw SourceError(kSignFile, record.line, QCoreApplication::translate("BankSource", "filename is missing"));
        if (path.isEmpty())
            throw SourceError(kSignFile, record.line,
                              QCoreApplication::translate("BankSource", "files (the picture's path) is missing"));
        if (const auto seen = nameLines.constFind(sign.filename); seen != nameLines.cend()) {
            throw SourceError(kSignFile, record.line,
                              QCoreApplication::translate("BankSource", "filename %1 is already used at line %2")
                                  .arg(sign.filename).arg(*seen));
        }
        nameLines.insert(sign.filename, record.line);
        sign.files = readPicture(path, folder, pictureFolders, record.line);
        content.signs.push_back(std::move(sign));
    }
    return content;
}

void BankSource::write(const BankContent &content, const QString &folder)
{
    if (!QDir().mkpath(QDir(folder).filePath(kPictureFolder)))
        throw SourceError(folder, 0, QCoreApplication::translate("BankSource", "cannot create the folder"));

    QString choose;
    for (const Question &q : content.questions) {
        if (!choose.isEmpty())
            choose += u'\n';
        choose += RecordFile::formatField(QStringLiteral("tid"), QString::number(q.tid));
        choose += RecordFile::formatField(QStringLiteral("Timu"), q.Timu);
        choose += RecordFile::formatField(QStringLiteral("ANSWER_A"), q.ANSWER_A);
        choose += RecordFile::formatField(QStringLiteral("ANSWER_B"), q.ANSWER_B);
        if (!q.ANSWER_C.isEmpty())
            choose += RecordFile::formatField(QStringLiteral("ANSWER_C"), q.ANSWER_C);
        if (!q.ANSWER_D.isEmpty())
            choose += RecordFile::formatField(QStringLiteral("ANSWER_D"), q.ANSWER_D);
        choose += RecordFile::formatField(QStringLiteral("Key"), q.Key);
        choose += RecordFile::formatField(QStringLiteral("Score"), QString::number(q.Score));
        if (!q.ZHISHIDIAN.isEmpty()) {
            // Codes that the reading form would not give back unchanged are written exactly.
            const QString split = splitCodes(q.ZHISHIDIAN);
            choose += joinCodes(split) == q.ZHISHIDIAN
                ? RecordFile::formatField(QStringLiteral("ZHISHIDIAN"), split)
                : RecordFile::formatField(QStringLiteral("ZHISHIDIAN"), q.ZHISHIDIAN, true);
        }
        if (!q.biaozhi.isEmpty())
            choose += RecordFile::formatField(QStringLiteral("biaozhi"), q.biaozhi);
        choose += RecordFile::formatField(QStringLiteral("ANALYSIS"), q.ANALYSIS);
    }

    QString knowledge;
    for (const KnowledgePoint &point : content.knowledge) {
        if (!knowledge.isEmpty())
            knowledge += u'\n';
        knowledge += RecordFile::formatField(QStringLiteral("recno"), point.recno);
        knowledge += RecordFile::formatField(QStringLiteral("Keyword"), point.Keyword);
        knowledge += RecordFile::formatField(QStringLiteral("knowladge"), point.knowladge);
    }

    QString signs;
    QSet<QString> taken;
    for (qsizetype i = 0; i < qsizetype(content.signs.size()); ++i) {
        const SignPicture &sign = content.signs[i];
        const QString fileName = pictureFileName(sign.filename, int(i), taken);
        writeFile(QDir(folder).filePath(kPictureFolder + u'/' + fileName), sign.files);
        if (!signs.isEmpty())
            signs += u'\n';
        signs += RecordFile::formatField(QStringLiteral("filename"), sign.filename);
        signs += RecordFile::formatField(QStringLiteral("files"), kPictureFolder + u'/' + fileName);
    }

    writeFile(QDir(folder).filePath(kChooseFile), choose.toUtf8());
    writeFile(QDir(folder).filePath(kKnowledgeFile), knowledge.toUtf8());
    writeFile(QDir(folder).filePath(kSignFile), signs.toUtf8());
}
