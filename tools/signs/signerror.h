// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

// Every failure of the sign generator: the message names the sign, file or line and the cause.
class SignError : public std::runtime_error {
public:
    explicit SignError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    [[nodiscard]] const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};
