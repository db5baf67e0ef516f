// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zh_CN catalogue against the sources: lupdate runs over a copy of it, and every
// message it then holds must be translated. A message left unfinished, or one the code
// has and the catalogue lacks, is named.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    bool finished = false;
};

// The messages of a .ts file; obsolete and vanished ones do not count.
QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool counts = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"context") {
                context.clear();
            } else if (xml.name() == u"name" && context.isEmpty()) {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = {context, {}, false};
                counts = true;
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QStringView type = xml.attributes().value(QStringLiteral("type"));
                counts = type != u"obsolete" && type != u"vanished";
                const bool unfinished = type == u"unfinished";
                // Plural forms are child elements; the text of a plain translation is read here.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                message.finished = !unfinished && !text.trimmed().isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == u"message" && counts) {
            messages.append(message);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QString key(const Message &message)
{
    return message.context + u'\x1f' + message.source;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyMessageOfTheSourcesIsTranslated()
    {
        const QString lupdate = QStringLiteral(DRVQ_LUPDATE);
        if (lupdate.isEmpty() || !QFileInfo(lupdate).isExecutable())
            QSKIP("lupdate is not installed (Debian package qt6-l10n-tools)");
        const QString catalogue = QStringLiteral(DRVQ_SOURCE_DIR "/translations/drvq_zh_CN.ts");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(QStringLiteral("drvq_zh_CN.ts"));
        QVERIFY(QFile::copy(catalogue, copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));

        QProcess process;
        process.setWorkingDirectory(QStringLiteral(DRVQ_SOURCE_DIR));
        process.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList folders = QStringLiteral(DRVQ_TRANSLATED_FOLDERS).split(u',');
        process.start(lupdate, QStringList{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete")}
                                   + folders + QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAll().constData());

        QSet<QString> kept;
        for (const Message &message : readCatalogue(catalogue))
            kept.insert(key(message));
        QStringList lacking;
        QStringList unfinished;
        const QList<Message> updated = readCatalogue(copy);
        for (const Message &message : updated) {
            const QString line = QStringLiteral("  [%1] %2").arg(message.context, message.source);
            if (!kept.contains(key(message)))
                lacking << line;
            else if (!message.finished)
                unfinished << line;
        }
        QString report;
        if (!lacking.isEmpty())
            report += QStringLiteral("messages of the sources that the catalogue lacks "
                                     "(build the target update_translations, then translate them):\n")
                + lacking.join(u'\n') + u'\n';
        if (!unfinished.isEmpty())
            report += QStringLiteral("messages without a finished translation:\n") + unfinished.join(u'\n') + u'\n';
        QVERIFY2(report.isEmpty(), qPrintable(report));
        QVERIFY(!updated.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
