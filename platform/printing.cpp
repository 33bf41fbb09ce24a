#include "platform/printing.h"

#include "platform/latin1.h"
#include "platform/seam.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef VORLAN_HAVE_CUPS
#include <cups/cups.h>
#endif

#include <utility>

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

// The system's reason for the file operation that just failed ("No space
// left on device"); Qt's own text is "Unknown error" for some of them.
PrintError FileFailure(const QString& file, const QFileDevice& device)
{
    const int error = errno;
    const QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : device.errorString();
    return PrintError(QStringLiteral("The voyage could not be printed to %1: %2").arg(file, reason));
}

PrintError PrinterFailure(const QPrinter& printer, const QString& reason)
{
    return PrintError(QStringLiteral("The voyage could not be printed on %1: %2").arg(printer.printerName(), reason));
}

// Why the print system refused the last job it was handed, if it did. Qt
// hands a finished document to CUPS without looking at the answer; the
// CUPS library keeps it for the thread.
QString QueueRefusal()
{
#ifdef VORLAN_HAVE_CUPS
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QString::fromUtf8(cupsLastErrorString());
#endif
    return {};
}

// The page, drawn in memory with the printer's page layout and resolution,
// then written to the file whole.
void PrintToPdfFile(QPrinter& printer, const QString& documentName, const std::function<void(PrintCanvas&)>& draw)
{
    const QString file = printer.outputFileName();
    QSaveFile out(file);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        throw FileFailure(file, out); // a missing folder, no permission: nothing drawn
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter page(&pdf);
        page.setResolution(printer.resolution());
        page.setPageLayout(printer.pageLayout());
        page.setTitle(documentName);
        page.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&page))
            throw PrintError(QStringLiteral("The voyage could not be printed to %1: the page could not be started")
                                 .arg(file));
        PainterCanvas canvas(painter, page);
        draw(canvas); // an error leaves `out` uncommitted: no file
        painter.end();
    }
    // A write that only reaches the file's buffer is checked by the flush;
    // the file is replaced only after both succeeded.
    errno = 0;
    if (out.write(pdf.data()) != pdf.size() || !out.flush())
        throw FileFailure(file, out);
    errno = 0;
    if (!out.commit())
        throw FileFailure(file, out);
}

void PrintOnPrinter(QPrinter& printer, const QString& documentName, const std::function<void(PrintCanvas&)>& draw)
{
    printer.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString refusal = QueueRefusal();
        throw PrinterFailure(printer, refusal.isEmpty() ? QStringLiteral("the printer could not start the document")
                                                        : refusal);
    }
    try {
        PainterCanvas canvas(painter, printer);
        draw(canvas);
        if (printer.printerState() == QPrinter::Error)
            throw PrinterFailure(printer, QStringLiteral("the printer reported an error while printing"));
    } catch (...) {
        // The printer discards the document.
        printer.abort();
        if (painter.isActive())
            painter.end();
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        printer.abort();
        throw PrinterFailure(printer, QStringLiteral("the printer could not finish the document"));
    }
    if (const QString refusal = QueueRefusal(); !refusal.isEmpty())
        throw PrinterFailure(printer, refusal);
}

} // namespace

bool ShowPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (const PrintDialog& standIn = dialogSeam.Installed())
        return standIn(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialog SetPrintDialog(PrintDialog dialog)
{
    return dialogSeam.Replace(std::move(dialog));
}

void PrintOnePage(QPrinter& printer, const QString& documentName, const std::function<void(PrintCanvas&)>& draw)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        PrintToPdfFile(printer, documentName, draw);
    else
        PrintOnPrinter(printer, documentName, draw);
}

} // namespace platform
