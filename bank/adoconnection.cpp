// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adoconnection.h"

#include "jetdatabase.h"

TADOConnection::TADOConnection(QObject *parent) : QObject(parent) {}

TADOConnection::~TADOConnection() = default;

void TADOConnection::Open()
{
    if (m_database && m_openedWith == ConnectionString)
        return;
    // A changed connection string means another bank: drop the old one first, so that a
    // failure leaves the connection closed rather than open on the wrong files.
    Close();
    m_database = JetDatabase::open(ConnectionString);
    m_openedWith = ConnectionString;
}

void TADOConnection::Close()
{
    m_database.reset();
    m_openedWith.clear();
}

bool TADOConnection::Connected() const
{
    return m_database != nullptr;
}

JetDatabase &TADOConnection::database()
{
    if (!m_database)
        Open();
    return *m_database;
}
