// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <functional>

// Shows the message of an exception that escaped an event handler. The default shows a
// message box; tests install their own so that nothing waits for a click.
using ExceptionReporter = std::function<void(const QString &message)>;

void setExceptionReporter(ExceptionReporter reporter);  // an empty one restores the message box
void reportException(std::exception_ptr error);
[[nodiscard]] QString exceptionMessage(std::exception_ptr error);

// While it lives, an exception reported from a nested event (a window shown from the code
// that makes it) gets its message completed by the code that knows the context: the start
// window adds what to do about a bank that cannot be read. The last one made applies.
class ExceptionAdvice {
public:
    using Advice = std::function<QString(std::exception_ptr error, const QString &message)>;
    explicit ExceptionAdvice(Advice advice);
    ~ExceptionAdvice();
    ExceptionAdvice(const ExceptionAdvice &) = delete;
    ExceptionAdvice &operator=(const ExceptionAdvice &) = delete;

private:
    Advice m_previous;
};
