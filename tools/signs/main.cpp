// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// drvq-signs: paints the road-sign pictures of the question bank as JPEG files.

#include "signcatalog.h"
#include "signerror.h"
#include "signindexfile.h"
#include "signwriter.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Painting needs the font database, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("drvq-signs"));
    installTranslations(app, QLocale());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("DrvqSigns", "Paints every road-sign picture of the "
                                                                              "question bank as <id>.jpg into OUTDIR."));
    parser.addHelpOption();
    const QCommandLineOption checkOption(QStringLiteral("check"),
        QCoreApplication::translate("DrvqSigns", "Fail unless the signs painted are exactly the filenames listed in "
                                                 "FILE (biaozhi.txt)."),
        QStringLiteral("FILE"));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QCoreApplication::translate("DrvqSigns", "List the signs: id, size, name."));
    parser.addOption(checkOption);
    parser.addOption(listOption);
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QCoreApplication::translate("DrvqSigns", "Folder for the JPEG files; created if missing."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1 || (args.isEmpty() && !parser.isSet(checkOption) && !parser.isSet(listOption))) {
        err << QCoreApplication::translate("DrvqSigns", "usage: drvq-signs [--check FILE] [--list] OUTDIR") << '\n';
        return 2;
    }

    try {
        if (parser.isSet(listOption)) {
            for (const SignEntry &entry : SignCatalog::entries()) {
                out << entry.id << '\t' << entry.size.width() << 'x' << entry.size.height() << '\t'
                    << entry.name << '\n';
            }
            out.flush();
        }
        if (parser.isSet(checkOption)) {
            const SignIndexFile index(parser.value(checkOption));
            const QStringList problems = SignCatalog::differences(index.fileNames());
            for (const QString &problem : problems)
                err << "drvq-signs: " << index.path() << ": " << problem << '\n';
            if (!problems.isEmpty())
                return 1;
        }
        if (!args.isEmpty())
            SignWriter(args.first()).writeAll();
    } catch (const SignError &e) {
        err << "drvq-signs: " << e.message() << '\n';
        return 1;
    }
    return 0;
}
