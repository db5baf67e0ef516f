#include "programfolder.h"

#include <QCoreApplication>

QString DatabasePath;

namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
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
    overriddenFolder() = folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}
