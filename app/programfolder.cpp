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
    return QFileInfo(folder + QStringLiteral("/../../bin/drvq")).isExecutable();
}

QString userBankFolder()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        + QStringLiteral("drvq/");
}

QString chooseBankFolder(const QString &programFolder, const QString &userFolder)
{
    if (isInstalledProgramFolder(programFolder) && !userFolder.isEmpty()
        && QFileInfo::exists(bankPaths(withSlash(userFolder)).DatabasePath))
        return withSlash(userFolder);
    return withSlash(programFolder);
}

QString bankFolder()
{
    // A test that moves the program folder means the bank beside it.
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return chooseBankFolder(programFolder(), userBankFolder());
}
