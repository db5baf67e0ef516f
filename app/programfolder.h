// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder of the running program, ending in "/": the bank lies in its Dat folder.
[[nodiscard]] QString programFolder();
// Lets a test put the bank elsewhere; an empty folder restores the program's own.
void setProgramFolder(const QString &folder);

// The folder whose Dat folder holds the bank, ending in "/". An installed trainer reads a
// trainee's own bank from userBankFolder() when one is there, since the packaged sample
// beside the program belongs to the package and is replaced by every reinstall; a trainer
// run from its build or program folder reads the bank beside itself.
[[nodiscard]] QString bankFolder();
// The same choice for given folders, so that it can be checked without installing.
[[nodiscard]] QString chooseBankFolder(const QString &programFolder, const QString &userFolder);
// Whether programFolder is the trainer's folder of an installation: …/lib/drvq/ with the
// launcher in …/bin/drvq.
[[nodiscard]] bool isInstalledProgramFolder(const QString &programFolder);
// The trainee's own bank folder, ending in "/": drvq in the XDG data folder
// (~/.local/share/drvq/ by default). No package operation touches it.
[[nodiscard]] QString userBankFolder();

// What a trainee reads when a file of the bank in bankFolder is missing: which file, and
// how to put a bank in place (the sample that comes with the program, or one's own);
// empty when both files are there. Paths under the home folder are written with "~".
[[nodiscard]] QString missingBankMessage(const QString &bankFolder, const QString &programFolder,
                                         const QString &userFolder);

// What a trainee reads when the bank in bankFolder is there but cannot be read: the damage
// found, then what to do about it (copy both files again; for one's own bank, removing its
// folder brings back the sample).
[[nodiscard]] QString damagedBankMessage(const QString &damage, const QString &bankFolder,
                                         const QString &programFolder, const QString &userFolder);

// The bank file of the last exam start; empty until the first start.
extern QString DatabasePath;
