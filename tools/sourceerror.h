// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

// A problem in a bank source: the message names the file and, where there is one, the line.
class SourceError : public std::runtime_error {
public:
    SourceError(const QString &fileName, int line, const QString &what)
        : std::runtime_error(compose(fileName, line, what).toStdString()),
          m_message(compose(fileName, line, what)) {}

    [[nodiscard]] const QString &message() const noexcept { return m_message; }

private:
    static QString compose(const QString &fileName, int line, const QString &what)
    {
        return line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what)
                        : QStringLiteral("%1: %2").arg(fileName, what);
    }

    QString m_message;
};
