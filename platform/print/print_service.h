// What prints a page, reached through an interface that the print module
// provides. The module links Qt's printing and CUPS, whose libraries cost a
// window's start time and memory that most runs never use: it is loaded
// when the first page is printed.
#pragma once

#include "platform/desktop/error_report.h"

#include <QString>

#include <functional>
#include <string>

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

class PrintError : public TextError {
public:
    using TextError::TextError;
};

// A page to print: the name the print system lists it under (empty for
// none) and how a failure to print it is told, "The voyage could not be
// printed", which " to <file>: <reason>" or " on <printer>: <reason>"
// follows.
struct PrintJob {
    QString DocumentName;
    QString Failure;

    // A page called by its name: the failure names it as a document
    // ("Distance and course": "The distance and course could not be
    // printed"; an abbreviation such as "UTM" keeps its capitals, and a
    // page without a name is "the page").
    static PrintJob Named(const QString& documentName);
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Shows the system print dialog on `parent`; when the user prints, one
    // page drawn by `draw` on the chosen printer at its own resolution (see
    // PrintOnePage in printing.h, and its PrintError, whose text begins
    // with the job's Failure). A cancelled dialog prints nothing and says
    // nothing.
    virtual void Print(QWidget* parent, const PrintJob& job, const std::function<void(PrintCanvas&)>& draw) = 0;

    // The same for a page known by its name alone (PrintJob::Named).
    void Print(QWidget* parent, const QString& documentName, const std::function<void(PrintCanvas&)>& draw)
    {
        Print(parent, PrintJob::Named(documentName), draw);
    }
};

// The print service: the module's, loaded from the program's folder on the
// first call (or already in the process, where a program links it). Throws
// PrintError when the module cannot be loaded.
PrintService& Printing();

} // namespace platform
