// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"

#include "connectionstring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DatabasePath;

namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(const QString &folder)
{
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

// A path as a trainee reads it: the home folder written as "~".
QString shownPath(const QString &path)
{
    const QString home = QDir::homePath() + u'/';
    return path.startsWith(home) && home != QStringLiteral("//") ? u'~' + path.mid(home.size() - 1) : path;
}

} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath() + u'/';
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = withSlash(folder);
}

bool isInstalledProgramFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder);
    if (!folder.endsWith(QStringLiteral("/lib/drvq")))
        return false;
    return QFileInfo(QDir::cleanPath(folder + QStringLiteral("/../../bin/drvq"))).isExecutable();
}

QString userBankFolder()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        + QStringLiteral("drvq/");
}

QString chooseBankFolder(const QString &programFolder, const QString &userFolder)
{
    // Either file of the trainee's own bank makes it the one meant: a folder holding only one
    // of them is reported as a bank with a file missing, not passed over for the sample.
    if (isInstalledProgramFolder(programFolder) && !userFolder.isEmpty()) {
        const BankPaths own = bankPaths(withSlash(userFolder));
        if (QFileInfo::exists(own.DatabasePath) || QFileInfo::exists(own.WorkgroupPath))
            return withSlash(userFolder);
    }
    return withSlash(programFolder);
}

QString bankFolder()
{
    // A test that moves the program folder means the bank beside it.
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return chooseBankFolder(programFolder(), userBankFolder());
}

QString missingBankMessage(const QString &bankFolder, const QString &programFolder,
                           const QString &userFolder)
{
    const BankPaths paths = bankPaths(withSlash(bankFolder));
    QString missing;
    if (!QFileInfo::exists(paths.DatabasePath))
        missing = QCoreApplication::translate("BankFolder", "The question bank file %1 is missing.")
                      .arg(shownPath(paths.DatabasePath));
    else if (!QFileInfo::exists(paths.WorkgroupPath))
        missing = QCoreApplication::translate("BankFolder", "The workgroup file %1 of the question bank is missing.")
                      .arg(shownPath(paths.WorkgroupPath));
    else
        return {};

    const QString datFolder = shownPath(withSlash(bankFolder) + QStringLiteral("Dat/"));
    const QString ownFolder = shownPath(withSlash(userFolder) + QStringLiteral("Dat/"));
    QString advice;
    if (!isInstalledProgramFolder(programFolder)) {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "The program reads its bank from the folder %1 beside itself. \"make build\" builds "
                     "the sample bank there; or copy both files of a bank, drvq.mdb and Morvel.mdw, into "
                     "that folder.")
                     .arg(datFolder);
    } else if (withSlash(bankFolder) == withSlash(userFolder)) {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "Your own bank in %1 needs both files, drvq.mdb and Morvel.mdw (\"drvq-bank build "
                     "SOURCES %1\" writes them). Remove the folder %1 to use the sample bank that comes "
                     "with the program again.")
                     .arg(datFolder);
    } else {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "The program comes with a sample bank in %1: reinstall the package to put it back. "
                     "A bank of your own goes in %2, both files drvq.mdb and Morvel.mdw (\"drvq-bank "
                     "build SOURCES %2\" writes them).")
                     .arg(datFolder, ownFolder);
    }
    return missing + QStringLiteral("\n\n") + advice;
}

QString damagedBankMessage(const QString &damage, const QString &bankFolder, const QString &programFolder,
                           const QString &userFolder)
{
    const QString datFolder = shownPath(withSlash(bankFolder) + QStringLiteral("Dat/"));
    QString advice;
    if (!isInstalledProgramFolder(programFolder)) {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "The question bank in %1 cannot be read. Copy both files of the bank, drvq.mdb and "
                     "Morvel.mdw, into that folder again (\"make build\" builds the sample bank there).")
                     .arg(datFolder);
    } else if (withSlash(bankFolder) == withSlash(userFolder)) {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "Your own question bank in %1 cannot be read. Copy both files of your bank, drvq.mdb "
                     "and Morvel.mdw, into that folder again, or remove the folder %1 to go back to the "
                     "sample bank that comes with the program.")
                     .arg(datFolder);
    } else {
        advice = QCoreApplication::translate(
                     "BankFolder",
                     "The sample question bank in %1 cannot be read. Reinstall the package to put both of "
                     "its files, drvq.mdb and Morvel.mdw, in place again.")
                     .arg(datFolder);
    }
    return damage + QStringLiteral("\n\n") + advice;
}
