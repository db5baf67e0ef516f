// drvq-bank: builds a question bank from its readable sources, checks a bank the way the
// trainer opens it, and dumps a bank back into sources.
#include "bankbuilder.h"
#include "bankcheck.h"
#include "bankreader.h"
#include "banksource.h"
#include "sourceerror.h"

#include "bankerror.h"

#include <QCoreApplication>
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

const char kUsage[] =
    "usage: drvq-bank build SRC DAT [--pictures DIR]... [--force]\n"
    "                               write DAT/drvq.mdb and DAT/Morvel.mdw from SRC; a bank the\n"
    "                               trainer cannot use is refused unless --force is given\n"
    "       drvq-bank check DAT     list every problem of the bank in DAT\n"
    "       drvq-bank dump DAT OUT  write the bank in DAT back as sources into OUT\n"
    "       drvq-bank --help | --version\n";

int usage()
{
    err() << kUsage;
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
        err() << "drvq-bank: warning: " << warning << "\n";
    for (const QString &error : findings.errors)
        err() << "drvq-bank: " << (force ? "warning: " : "error: ") << error << "\n";
    if (!findings.errors.isEmpty() && !force) {
        err() << "drvq-bank: the trainer cannot use this bank; nothing was written to " << positional[1]
              << " (--force writes it anyway)\n";
        return 1;
    }
    BankBuilder::write(content, positional[1]);
    out() << "drvq-bank: " << content.questions.size() << " questions, " << content.knowledge.size()
          << " knowledge points, " << content.signs.size() << " sign pictures written to " << positional[1] << "\n";
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
    try {
        problems = BankReader::missingSchema(dat);
        if (problems.isEmpty()) {
            const BankContent content = BankReader::read(dat);
            const BankContent stored = BankReader::read(dat, true);
            const BankCheck::Findings findings = BankCheck::findings(content, stored);
            for (const QString &error : findings.errors)
                problems << QStringLiteral("error: ") + error;
            for (const QString &warning : findings.warnings)
                problems << QStringLiteral("warning: ") + warning;
            summary = QStringLiteral("%1 questions, %2 knowledge points, %3 sign pictures")
                          .arg(content.questions.size()).arg(content.knowledge.size()).arg(content.signs.size());
        } else {
            for (QString &problem : problems)
                problem.prepend(QStringLiteral("error: "));
        }
    } catch (const BankError &e) {
        problems << QStringLiteral("error: ") + e.message();
    }
    if (summary.isEmpty())
        summary = QStringLiteral("the trainer cannot use this bank");
    for (const QString &problem : std::as_const(problems))
        out() << problem << "\n";
    out() << dat << ": " << summary << "; " << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
    return problems.isEmpty() ? 0 : 1;
}

int dump(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    const BankContent content = BankReader::read(args[0]);
    BankSource::write(content, args[1]);
    out() << "drvq-bank: " << content.questions.size() << " questions written to " << args[1] << "\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h") {
        out() << kUsage;
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
