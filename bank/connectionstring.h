// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

// The connection string that every exam start builds from the program folder.
struct BankPaths {
    QString DatabasePath;   // program folder + "Dat/drvq.mdb"
    QString WorkgroupPath;  // program folder + "Dat/Morvel.mdw"
};

// The string stored with the connection at design time; it is never used for connecting.
inline const QString DesignTimeConnectionString =
    QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\ks\\Dat\\bs.mdb;Persist Security Info=False");

// The accounts and passwords that the bank is opened with; constants of the build.
inline const QString WorkgroupUser = QStringLiteral("ADMIN");
inline const QString WorkgroupPassword = QStringLiteral("rmvqex.84.kol");
inline const QString DatabasePassword = QStringLiteral("春风吹过山岗绿水长流白云飘荡-青松翠柏");

// The bank's file names in the Dat folder beside the program.
inline const QString DatabaseFileName = QStringLiteral("drvq.mdb");
inline const QString WorkgroupFileName = QStringLiteral("Morvel.mdw");

// `programFolder` ends in a separator.
[[nodiscard]] BankPaths bankPaths(const QString &programFolder);
[[nodiscard]] QString buildConnectionString(const BankPaths &paths);

// Splits "Key=Value;Key=Value" into its pairs; keys are kept as written, looked up ignoring case.
class ConnectionString {
public:
    explicit ConnectionString(const QString &text);
    [[nodiscard]] QString value(const QString &key) const;  // empty when absent
    [[nodiscard]] bool contains(const QString &key) const;

private:
    QMap<QString, QString> m_values;  // key in lower case
};
