#include "platform/printing.h"

#include "platform/latin1.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace platform {
namespace {

PrintDialog& Dialog()
{
    static PrintDialog dialog;
    return dialog;
}

class PainterCanvas : public PrintCanvas {
public:
    PainterCanvas(QPainter& painter, QPrinter& printer) : painter_(painter), printer_(printer)
    {
        painter_.setPen(Qt::black);
    }

    int Width() const override { return printer_.width(); }
    int Height() const override { return printer_.height(); }

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
    QPrinter& printer_;
};

// The printer discards the document; a file it was writing goes too.
void Discard(QPainter& painter, QPrinter& printer)
{
    printer.abort();
    if (painter.isActive())
        painter.end();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

} // namespace

bool ShowPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (Dialog())
        return Dialog()(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialog SetPrintDialog(PrintDialog dialog)
{
    return std::exchange(Dialog(), std::move(dialog));
}

void PrintOnePage(QPrinter& printer, const QString& documentName, const std::function<void(PrintCanvas&)>& draw)
{
    printer.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError("The printer could not start the document");
    try {
        PainterCanvas canvas(painter, printer);
        draw(canvas);
        if (printer.printerState() == QPrinter::Error)
            throw PrintError("The printer reported an error while printing");
    } catch (...) {
        Discard(painter, printer);
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        Discard(painter, printer);
        throw PrintError("The printer could not finish the document");
    }
}

} // namespace platform
