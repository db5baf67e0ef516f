#pragma once

#include <QString>

// The folder of the running program, ending in "/": the bank lies in its Dat folder.
[[nodiscard]] QString programFolder();
// Lets a test put the bank elsewhere; an empty folder restores the program's own.
void setProgramFolder(const QString &folder);

// The bank file of the last exam start; empty until the first start.
extern QString DatabasePath;
