// Printing one page: the system print dialog, and a document on the chosen
// printer that is either handed over whole or discarded.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>
#include <string>

class QPrinter;
class QWidget;

namespace platform {

// Where the page's texts go. Positions are printer pixels from the top-left
// corner of the printable area; a text is placed by its top-left corner.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;
    // The printable area, in printer pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Black text in `family` at `points`, measured against the printer's
    // own vertical resolution.
    virtual void SetFont(const std::string& family, int points, bool bold) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// Shows the system print dialog for `printer`; true when the user chose to
// print. Tests replace it through SetPrintDialog (an empty function puts the
// dialog back); the function installed before is returned.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
PrintDialog SetPrintDialog(PrintDialog dialog);

// Prints one page on `printer`: starts a document named `documentName`,
// lets `draw` write the page, and ends the document. A printer that cannot
// start a document throws PrintError; anything that fails while the page
// is drawn or the document ended aborts the document (a PDF file is not
// left behind) and the error goes on unchanged.
void PrintOnePage(QPrinter& printer, const QString& documentName, const std::function<void(PrintCanvas&)>& draw);

class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
