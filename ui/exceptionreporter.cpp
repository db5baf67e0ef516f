#include "exceptionreporter.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <stdexcept>

namespace {

void showMessageBox(const QString &message)
{
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
}

ExceptionReporter &currentReporter()
{
    static ExceptionReporter reporter = showMessageBox;
    return reporter;
}

} // namespace

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
        return QStringLiteral("Unknown error");
    }
}

void reportException(std::exception_ptr error)
{
    currentReporter()(exceptionMessage(error));
}
