#include "platform/desktop/error_report.h"

#include "platform/desktop/latin1.h"
#include "platform/desktop/message_texts.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/seam.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace platform {
namespace {

Seam<ErrorReporter> reporterSeam; // used only once main has begun
int depth = 0;                    // handlers running, one inside another
std::exception_ptr passedError;   // the first error of an inner handler, on its way out

void ShowMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    ShowModal(box);
}

// Every program that reports errors shows every message box's texts as
// plain text, from its start.
void PlainMessageTexts()
{
    ShowAllMessageTextsPlain();
}
Q_COREAPP_STARTUP_FUNCTION(PlainMessageTexts)

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

void RethrowPassedError()
{
    if (passedError)
        std::rethrow_exception(std::exchange(passedError, nullptr));
}

void Guard(const std::function<void()>& handler)
{
    struct Inside {
        Inside() { ++depth; }
        ~Inside() { --depth; }
    };
    if (depth > 0) {
        // Never through the toolkit's frames, which are not made for it.
        const Inside inside;
        try {
            handler();
            RethrowPassedError();
        } catch (...) {
            if (!passedError)
                passedError = std::current_exception();
        }
        return;
    }
    try {
        const Inside inside;
        handler();
        RethrowPassedError();
    } catch (const TextError& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        ReportError(ToQt(e.what()));
    }
}

} // namespace platform
