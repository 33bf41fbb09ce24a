#include "platform/error_report.h"

#include "platform/seam.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace platform {
namespace {

Seam<ErrorReporter> reporterSeam; // used only once main has begun

void ShowMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

void ReportError(const QString& message)
{
    if (const ErrorReporter& reporter = reporterSeam.Installed())
        reporter(message);
    else
        ShowMessageBox(message);
}

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    return reporterSeam.Replace(std::move(reporter));
}

void Guard(const std::function<void()>& handler)
{
    // A handler that runs inside another (a change of text that fires the
    // field's change handler) lets its error travel on: it ends the outer
    // handler as well and is reported once, by the outermost guard.
    static int depth = 0;
    if (depth > 0) {
        handler();
        return;
    }
    struct Inside {
        Inside() { ++depth; }
        ~Inside() { --depth; }
    };
    try {
        const Inside inside;
        handler();
    } catch (const TextError& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        ReportError(QString::fromLatin1(e.what()));
    }
}

} // namespace platform
