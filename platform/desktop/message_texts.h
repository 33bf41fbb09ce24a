// What message boxes show: their texts as plain text, never as markup. A
// report names files and quotes what they hold ("ellipsoid '<b>WGS</b> 84'
// is not known here"), and a box that took such a text for rich text would
// show it in bold, load the picture an <img> names or turn it into a link.
#pragma once

class QMessageBox;

namespace platform {

// Sets every text of `box` (its text and its informative text) to plain
// text.
void ShowTextsPlain(QMessageBox& box);

// From now on every message box of the process is shown with plain texts
// as it is about to appear: the error report, the questions of the
// windows, and the boxes of Qt's own file and print dialogs, which no
// window makes. The error report installs it when the application starts;
// calling it again changes nothing.
void ShowAllMessageTextsPlain();

} // namespace platform
