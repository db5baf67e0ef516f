// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exceptionreporter.h"

#include <utility>

#include <QCoreApplication>
#include <QMessageBox>

#include <stdexcept>

namespace {

void showMessageBox(const QString &message)
{
    // The box carries the program's name, not the binary's, and is told apart from the exam
    // window, whose title is the bare name.
    QMessageBox::critical(nullptr, QCoreApplication::translate("ExceptionReporter", "Driver law mock exam - error"),
                          message);
}

ExceptionReporter &currentReporter()
{
    static ExceptionReporter reporter = showMessageBox;
    return reporter;
}

ExceptionAdvice::Advice &currentAdvice()
{
    static ExceptionAdvice::Advice advice;
    return advice;
}

} // namespace

ExceptionAdvice::ExceptionAdvice(Advice advice) : m_previous(std::exchange(currentAdvice(), std::move(advice))) {}

ExceptionAdvice::~ExceptionAdvice()
{
    currentAdvice() = std::move(m_previous);
}

void setExceptionReporter(ExceptionReporter reporter)
{
    currentReporter() = reporter ? std::move(reporter) : ExceptionReporter(showMessageBox);
}

QString exceptionMessage(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("ExceptionReporter", "An unknown error occurred.");
    }
}

void reportException(std::exception_ptr error)
{
    const QString message = exceptionMessage(error);
    currentReporter()(currentAdvice() ? currentAdvice()(error, message) : message);
}
