#include "platform/print/printing.h"

#include "platform/desktop/latin1.h"
#include "platform/desktop/seam.h"
#include "platform/desktop/user_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#ifdef VORLAN_HAVE_CUPS
#include <cups/cups.h>
#endif

#include <exception>
#include <utility>
#include <vector>

namespace platform {
namespace {

Seam<PrintDialog> dialogSeam; // used only once main has begun

class PainterCanvas : public PrintCanvas {
public:
    PainterCanvas(QPainter& painter, const QPaintDevice& page) : painter_(painter), page_(page)
    {
        painter_.setPen(Qt::black);
    }

    int Width() const override { return page_.width(); }
    int Height() const override { return page_.height(); }

    void SetFont(const std::string& family, int points, bool bold) override
    {
        QFont font(ToQt(family));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(points);
        font.setBold(bold);
        painter_.setFont(font);
    }

    void TextOut(int x, int y, const std::string& text) override
    {
        painter_.drawText(x, y + painter_.fontMetrics().ascent(), ToQt(text));
    }

private:
    QPainter& painter_;
    const QPaintDevice& page_;
};

// The page as drawn, put on a printer only once it is whole: a document
// begun on a printer cannot be taken back (Qt's abort() does nothing for
// CUPS, and ending the painter sends what was drawn), so a failure half way
// must come before the printer is started.
class PageRecording : public PrintCanvas {
public:
    PageRecording(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void SetFont(const std::string& family, int points, bool bold) override
    {
        steps_.emplace_back([=](PrintCanvas& canvas) { canvas.SetFont(family, points, bold); });
    }

    void TextOut(int x, int y, const std::string& text) override
    {
        steps_.emplace_back([=](PrintCanvas& canvas) { canvas.TextOut(x, y, text); });
    }

    void PlayOn(PrintCanvas& canvas) const
    {
        for (const auto& step : steps_)
            step(canvas);
    }

private:
    int width_;
    int height_;
    std::vector<std::function<void(PrintCanvas&)>> steps_;
};

PrintError PrinterFailure(const PrintJob& job, const QPrinter& printer, const QString& reason)
{
    return PrintError(job.Failure + QStringLiteral(" on %1: %2").arg(printer.printerName(), reason));
}

#ifdef VORLAN_HAVE_CUPS
// Asks the scheduler about the queue now, so that the reason read after the
// next step is that step's or this moment's, never one left over from an
// earlier call.
void AskAboutQueue(const QPrinter& printer)
{
    cupsFreeDests(1, cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.printerName().toLocal8Bit().constData(), nullptr));
}
#endif

#ifdef VORLAN_HAVE_CUPS
// The scheduler's own answer about the queue ("The printer or class does
// not exist."), or that it does not answer; empty when the queue is there.
QString AskScheduler(const QPrinter& printer)
{
    constexpr int TimeoutMs = 5000;
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, TimeoutMs, nullptr);
    if (!http)
        return QStringLiteral("Scheduler is not running.");
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     printer.printerName().toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippDelete(cupsDoRequest(http, request, "/"));
    httpClose(http);
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE ? QString::fromUtf8(cupsLastErrorString()) : QString();
}
#endif

// Why the print system refused the job, if it did: CUPS's reason for its
// last answer. The library's own failures come with its errno's text, "No
// such file or directory" alike for a queue that is gone and a scheduler
// that does not answer, which would send the user looking for a file: the
// scheduler is asked for its reason then.
QString QueueRefusal(const QPrinter& printer)
{
#ifdef VORLAN_HAVE_CUPS
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    if (status != IPP_STATUS_ERROR_INTERNAL)
        return reason;
    const QString scheduler = AskScheduler(printer);
    return scheduler.isEmpty() ? reason : scheduler;
#else
    (void)printer;
    return {};
#endif
}

// The page, drawn in memory with the printer's page layout and resolution,
// then written to the file whole, as every file a user keeps: a device, a
// pipe or a socket is never replaced nor opened, and a file that cannot be
// written is refused before anything is drawn.
void PrintToPdfFile(QPrinter& printer, const PrintJob& job, const std::function<void(PrintCanvas&)>& draw)
{
    const QString file = printer.outputFileName();
    const auto page = [&] {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(job.DocumentName);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer))
            throw PrintError(job.Failure + QStringLiteral(" to %1: the page could not be started").arg(file));
        PainterCanvas canvas(painter, writer);
        draw(canvas);
        painter.end();
        return pdf.data();
    };
    std::exception_ptr drawn; // an error of the page itself, which goes on unchanged
    try {
        WriteWholeFile(
            file,
            [&] {
                try {
                    return page();
                } catch (...) {
                    drawn = std::current_exception();
                    throw;
                }
            },
            job.Failure + QStringLiteral(" to %1: %2"));
    } catch (const TextError& e) {
        if (drawn)
            throw;
        throw PrintError(QString::fromUtf8(e.what()));
    }
}

void PrintOnPrinter(QPrinter& printer, const PrintJob& job, const std::function<void(PrintCanvas&)>& draw)
{
    PageRecording page(printer.width(), printer.height());
    draw(page); // a failure here starts no job
    printer.setDocName(job.DocumentName);
#ifdef VORLAN_HAVE_CUPS
    AskAboutQueue(printer);
#endif
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString refusal = QueueRefusal(printer);
        throw PrinterFailure(job, printer, refusal.isEmpty() ? QStringLiteral("the printer could not start the document")
                                                        : refusal);
    }
    try {
        PainterCanvas canvas(painter, printer);
        page.PlayOn(canvas);
        if (printer.printerState() == QPrinter::Error)
            throw PrinterFailure(job, printer, QStringLiteral("the printer reported an error while printing"));
    } catch (...) {
        // Where the print engine can, it discards the document.
        printer.abort();
        if (painter.isActive())
            painter.end();
        throw;
    }
#ifdef VORLAN_HAVE_CUPS
    AskAboutQueue(printer);
#endif
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        printer.abort();
        throw PrinterFailure(job, printer, QStringLiteral("the printer could not finish the document"));
    }
    if (const QString refusal = QueueRefusal(printer); !refusal.isEmpty())
        throw PrinterFailure(job, printer, refusal);
}

// The system print dialog, which checks the file it prints to by opening it
// for writing: a pipe that nobody reads would hold it, and the window, for
// good. Such a file is refused before that check, as a folder is.
class PrintDialogWindow : public QPrintDialog {
public:
    PrintDialogWindow(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent)
    {
        auto* buttons = findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
        if (!buttons)
            return;
        // Ahead of the dialog's own check, which then runs as before.
        disconnect(buttons, &QDialogButtonBox::accepted, nullptr, nullptr);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            if (RefusesFile())
                return;
            if (!QMetaObject::invokeMethod(this, "_q_checkFields"))
                accept();
        });
    }

private:
    bool RefusesFile()
    {
        const auto* file = findChild<QLineEdit*>(QStringLiteral("filename")); // the dialog's file field
        if (!file || !file->isEnabled())
            return false;
        const QFileInfo info(file->text());
        if (!info.exists() || info.isFile() || info.isDir())
            return false;
        QMessageBox::warning(this, windowTitle(),
                             tr("%1 is not a regular file.\nPlease choose a different file name.").arg(file->text()));
        return true;
    }
};

} // namespace

bool ShowPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (const PrintDialog& standIn = dialogSeam.Installed())
        return standIn(printer, parent);
    PrintDialogWindow dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialog SetPrintDialog(PrintDialog dialog)
{
    return dialogSeam.Replace(std::move(dialog));
}

void PrintOnePage(QPrinter& printer, const PrintJob& job, const std::function<void(PrintCanvas&)>& draw)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        PrintToPdfFile(printer, job, draw);
    else
        PrintOnPrinter(printer, job, draw);
}

} // namespace platform
