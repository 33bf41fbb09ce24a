// Printing one page: the system print dialog, and a document on the chosen
// printer that is either handed over whole or discarded. This is the print
// module's own code, which links Qt's printing and CUPS; the window reaches
// it through PrintService (print_service.h).
#pragma once

#include "platform/print/print_service.h"

#include <QString>

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace platform {

// Shows the system print dialog for `printer`; true when the user chose to
// print. Tests replace it through SetPrintDialog (an empty function puts the
// dialog back); the function installed before is returned.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
PrintDialog SetPrintDialog(PrintDialog dialog);

// Prints one page on `printer`: starts a document named by the job, lets
// `draw` write the page, and ends the document. Success says nothing.
//
// A page for a PDF file is made in memory and written to the file only
// whole, by the writer of every file a user keeps (WriteWholeFile in
// user_file.h): a file that cannot be written (a missing folder, a full
// disk, no permission) throws PrintError, "<job's Failure> to <file>:
// <the system's reason>", before anything is drawn or after, and leaves no
// empty or partial file (a file that was there stays as it was). A device,
// a pipe or a socket is refused the same way ("it is not a regular file"),
// never replaced nor opened (the print dialog refuses it too). A printer
// that cannot start or finish the document, or whose queue refuses the job
// (CUPS: rejecting, scheduler gone, queue deleted), throws PrintError,
// "<job's Failure> on <printer>: <CUPS's reason at that moment>". An error
// thrown by `draw` aborts the document and goes on unchanged.
void PrintOnePage(QPrinter& printer, const PrintJob& job, const std::function<void(PrintCanvas&)>& draw);

} // namespace platform
