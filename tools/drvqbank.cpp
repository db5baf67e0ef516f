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

int usage()
{
    err() << "usage: drvq-bank build SRC DAT [--pictures DIR]...   write DAT/drvq.mdb and DAT/Morvel.mdw from SRC\n"
             "       drvq-bank check DAT                          list every problem of the bank in DAT\n"
             "       drvq-bank dump DAT OUT                       write the bank in DAT back as sources into OUT\n";
    err().flush();
    return 2;
}

int build(const QStringList &args)
{
    if (args.size() < 2)
        return usage();
    QStringList pictureFolders;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i] != u"--pictures" || i + 1 >= args.size())
            return usage();
        pictureFolders << args[++i];
    }
    const BankContent content = BankSource::read(args[0], pictureFolders);
    BankBuilder::write(content, args[1]);
    out() << "drvq-bank: " << content.questions.size() << " questions, " << content.knowledge.size()
          << " knowledge points, " << content.signs.size() << " sign pictures written to " << args[1] << "\n";
    return 0;
}

int check(const QStringList &args)
{
    if (args.size() != 1)
        return usage();
    const BankContent content = BankReader::read(args[0]);
    const BankContent stored = BankReader::read(args[0], true);
    const QStringList problems = BankCheck::problems(content, stored);
    for (const QString &problem : problems)
        out() << problem << "\n";
    out() << args[0] << ": " << content.questions.size() << " questions, " << content.knowledge.size()
          << " knowledge points, " << content.signs.size() << " sign pictures; " << problems.size()
          << (problems.size() == 1 ? " problem\n" : " problems\n");
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
