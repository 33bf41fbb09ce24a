// The module's Help: its chapter of the suite's manual and its keyboard
// shortcuts, in a help window of the module's own (a text browser over
// the installed HTML), so that F1 works without a web browser.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// The folder of the manual's HTML pages: "manual" beside the program (the
// build tree), or the package's documentation folder relative to the
// program folder (<prefix>/lib/vorlan -> <prefix>/share/doc/vorlan/manual);
// empty when neither holds the contents page.
QString ManualFolder();
// The same for programs in `programFolder`.
QString ManualFolderBeside(const QString& programFolder);

// Puts the manual elsewhere, for tests; an empty folder puts it back.
// Returns the folder set before.
QString SetManualFolder(const QString& folder);

// Shows `page` ("solara.html", "solara.html#keyboard") of the manual in
// the one help window of `owner`, made on first use. Returns false, and
// shows nothing, when the manual is not installed.
bool ShowManualPage(QWidget* owner, const QString& page);

} // namespace platform
