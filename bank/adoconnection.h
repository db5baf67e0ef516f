// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class JetDatabase;

// The bank connection: opens the question bank and its workgroup file from a connection string.
class TADOConnection : public QObject {
    Q_OBJECT
public:
    explicit TADOConnection(QObject *parent = nullptr);
    ~TADOConnection() override;

    QString ConnectionString;

    void Open();    // parses ConnectionString, opens and checks both files; throws BankError
    void Close();   // nothing happens when closed already
    [[nodiscard]] bool Connected() const;

    // The open database; connects first when closed (opening a dataset connects its connection).
    [[nodiscard]] JetDatabase &database();

private:
    std::unique_ptr<JetDatabase> m_database;
    QString m_openedWith;  // the connection string m_database was opened with
};
