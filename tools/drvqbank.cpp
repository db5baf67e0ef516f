// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// drvq-bank: builds a question bank from its readable sources, checks a bank the way the
// trainer opens it, and dumps a bank back into sources.
#include "bankbuilder.h"
#include "bankcheck.h"
#include "bankreader.h"
#include "banksource.h"
#include "sourceerror.h"

#include "bankerror.h"
#include "connectionstring.h"
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <exception>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The context of the tool's own messages.
struct DrvqBank {
    Q_DECLARE_TR_FUNCTIONS(DrvqBank)
};

const char kUsage[] = QT_TRANSLATE_NOOP("DrvqBank",
    "usage: drvq-bank build SRC DAT [--pictures DIR]... [--force]\n"
    "                               write DAT/drvq.mdb and DAT/Morvel.mdw from SRC; a bank the\n"
    "                               trainer cannot use is refused unless --force is given\n"
    "       drvq-bank check DAT     list every problem of the bank in DAT\n"
    "       drvq-bank dump DAT OUT  write the bank in DAT back as sources into OUT\n"
    "       drvq-bank --help | --version\n");

int usage()
{
    err() << DrvqBank::tr(kUsage);
    err().flush();
    return 2;
}

int build(const QStringList &args)
{
    QStringList positional;
    QStringList pictureFolders;
    bool force = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--force") {
            force = true;
        } else if (args[i] == u"--pictures") {
            if (i + 1 >= args.size())
                return usage();
            pictureFolders << args[++i];
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 2)
        return usage();
    const BankContent content = BankSource::read(positional[0], pictureFolders);
    const BankCheck::Findings findings = BankCheck::findings(content, BankCheck::storedForm(content));
    for (const QString &warning : findings.warnings)
        err() << DrvqBank::tr("drvq-bank: warning: %1").arg(warning) << "\n";
    for (const QString &error : findings.errors)
        err() << (force ? DrvqBank::tr("drvq-bank: warning: %1") : DrvqBank::tr("drvq-bank: error: %1")).arg(error) << "\n";
    if (!findings.errors.isEmpty() && !force) {
        err() << DrvqBank::tr("drvq-bank: the trainer cannot use this bank; nothing was written to %1 "
                              "(--force writes it anyway)").arg(positional[1]) << "\n";
        return 1;
    }
    BankBuilder::write(content, positional[1]);
    out() << DrvqBank::tr("drvq-bank: %1 questions, %2 knowledge points, %3 sign pictures written to %4")
                 .arg(content.questions.size()).arg(content.knowledge.size()).arg(content.signs.size())
                 .arg(positional[1]) << "\n";
    return 0;
}

// Every problem goes to standard output, one a line, then a summary; a bank that cannot be
// opened or read whole counts as one problem.
int check(const QStringList &args)
{
    if (args.size() != 1)
        return usage();
    const QString &dat = args[0];
    QStringList problems;
    QString summary;
    // A folder of sources is a common mix-up: say what it is and how to make a bank of it.
    if (BankSource::isSourceFolder(dat) && !QFileInfo::exists(QDir(dat).filePath(DatabaseFileName))) {
        out() << DrvqBank::tr("error: %1 is a source folder (choose.txt, tzhishidian.txt, biaozhi.txt), not a "
                              "bank; \"drvq-bank build %1 DAT\" makes a bank of it in DAT")
                     .arg(dat)
              << "\n";
        out() << DrvqBank::tr("%1: %2; 1 problem").arg(dat, DrvqBank::tr("the trainer cannot use this bank")) << "\n";
        return 1;
    }
    try {
        problems = BankReader::missingSchema(dat);
        if (problems.isEmpty()) {
            const BankContent content = BankReader::read(dat);
            const BankContent stored = BankReader::read(dat, true);
            const BankCheck::Findings findings = BankCheck::findings(content, stored);
            for (const QString &error : findings.errors)
                problems << DrvqBank::tr("error: %1").arg(error);
            for (const QString &warning : findings.warnings)
                problems << DrvqBank::tr("warning: %1").arg(warning);
            summary = DrvqBank::tr("%1 questions, %2 knowledge points, %3 sign pictures")
                          .arg(content.questions.size()).arg(content.knowledge.size()).arg(content.signs.size());
        } else {
            for (QString &problem : problems)
                problem = DrvqBank::tr("error: %1").arg(problem);
        }
    } catch (const BankError &e) {
        problems << DrvqBank::tr("error: %1").arg(e.message());
    }
    if (summary.isEmpty())
        summary = DrvqBank::tr("the trainer cannot use this bank");
    for (const QString &problem : std::as_const(problems))
        out() << problem << "\n";
    out() << (problems.size() == 1 ? DrvqBank::tr("%1: %2; 1 problem").arg(dat, summary)
                                   : DrvqBank::tr("%1: %2; %3 problems").arg(dat, summary, QString::number(problems.size())))
          << "\n";
    return problems.isEmpty() ? 0 : 1;
}

int dump(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    const BankContent content = BankReader::read(args[0]);
    BankSource::write(content, args[1]);
    out() << DrvqBank::tr("drvq-bank: %1 questions, %2 knowledge points, %3 sign pictures written to %4")
                 .arg(content.questions.size()).arg(content.knowledge.size()).arg(content.signs.size())
                 .arg(args[1]) << "\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The tool speaks the user's language where it has a catalogue for it, English otherwise.
    installTranslations(app, QLocale());
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h") {
        out() << DrvqBank::tr(kUsage);
        return 0;
    }
    if (command == u"--version") {
        out() << "drvq-bank " << DRVQ_VERSION << "\n";
        return 0;
    }
    try {
        if (command == u"build")
            return build(args);
        if (command == u"check")
            return check(args);
        if (command == u"dump")
            return dump(args);
        err() << DrvqBank::tr("drvq-bank: unknown command \"%1\"").arg(command) << "\n";
        return usage();
    } catch (const SourceError &e) {
        err() << "drvq-bank: " << e.message() << "\n";
    } catch (const BankError &e) {
        err() << "drvq-bank: " << e.message() << "\n";
    } catch (const std::exception &e) {
        // Anything else (a picture the writer cannot hold, memory) still ends with a message.
        err() << "drvq-bank: " << QString::fromLocal8Bit(e.what()) << "\n";
    }
    return 1;
}
