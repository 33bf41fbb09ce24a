// What the windows ask about the files a user keeps: the name of a file to
// open or save, in the file dialog, and "Save the changes?" before changes
// are left. Both are shown through ShowModal, so that tests answer them.
#pragma once

#include <QString>

class QWidget;

namespace platform {

struct FileQuestion {
    bool Save = false; // a name to save under; else a file to open
    QString Title{};   // the dialog's caption ("Open a voyage")
    QString Filter{};  // "Voyages (*.voyage);;All files (*)"
    QString Ending{};  // without its point: given to a name to save under that has none
    QString Beside{};  // the window's file, whose folder the dialog shows; the working directory when empty
    bool OffersBesideName = false; // to save, the dialog holds the name of `Beside` at first
    bool OpenTriesEnding = false;  // to open, a name no file bears is tried with the ending
};

// The file the user names in the file dialog: one that is there to open
// ("passage" opens passage.voyage where `OpenTriesEnding` and no file is
// called "passage"), or any name to save under, with the ending where it
// has none. Empty when the user cancels.
QString AskFileName(QWidget* parent, const FileQuestion& question);

enum class SaveAnswer { Save, Discard, Cancel };

// Asks "`what`\nSave the changes?" ("The voyage passage.voyage has
// changed.") over `parent`, titled with the application's name, the text
// as plain text, with Save, Discard and Cancel by their access keys
// (Alt+S, Alt+D, Alt+C; Escape cancels), Save the default.
SaveAnswer AskToSaveChanges(QWidget* parent, const QString& what);

} // namespace platform
