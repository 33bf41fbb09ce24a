// The frame every module window of the suite is built in: the File menu
// with Print and Exit, the Help menu with the module's chapter of the
// manual (F1) and its keyboard, the status bar, the display-format switch and the
// ellipsoid list where a module has them, result labels a screen reader
// hears with their values, one printed page, the suite's look under any
// desktop scheme, and the error guard around every handler.
//
// A module makes its controls in its own constructor, through the frame's
// Add... functions, and calls Finish() last.
#pragma once

#include "geo/angle_text.h"
#include "platform/module/results_page.h"
#include "platform/print/print_service.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

class QBoxLayout;
class QFormLayout;
class QMenu;
class QVBoxLayout;
// The widgets module windows are made of, for the modules' headers.
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {

class DatePicker;
class Edit;
class RadioGroup;

class ModuleWindow : public QMainWindow {
    Q_OBJECT

public:
    // `objectName` is the form class's name ("TRangeBearForm"), `title` the
    // window's caption.
    ModuleWindow(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    // The status bar's message: refusals and what a module has to say. It
    // wraps rather than clips, so a reason is read whole.
    QLabel* StatusMessage = nullptr;
    // Set by AddDisplayGroup and AddEllipsoidList.
    RadioGroup* DisplayGroup = nullptr;
    QComboBox* EllipsoidBox = nullptr;

    // The selected display format (DM.dd when there is no switch).
    geo::AngleFormat Format() const;
    // The catalogue index of the chosen ellipsoid (WGS 84 when there is no list).
    int Ellipsoid() const;

    // Shows `message` (8-bit text, as the geodesy routines write it) in
    // the status bar; an empty one clears it.
    void SetStatus(const std::string& message);

protected:
    // The client area, top to bottom.
    QVBoxLayout* Body() const { return body_; }
    // The File menu; a module's items go before Print.
    QMenu* FileMenu() const { return file_; }
    QAction* PrintAction() const { return print_; }

    // The "Display" group (DM.dd, DMS, DMS.sss), DM.dd chosen; `changed`
    // runs, guarded, when the user picks another.
    RadioGroup* AddDisplayGroup(QBoxLayout* where, std::function<void()> changed);
    // The list of the 25 ellipsoids by name, WGS 84 chosen, heard as
    // "Ellipsoid"; `changed` runs, guarded, when the user picks one.
    QComboBox* AddEllipsoidList(QFormLayout* where, std::function<void()> changed);
    // A date field as the dead-reckoning departure is typed (the locale's
    // long date, 1600 to 3999, today at first), heard as `name` and
    // captioned "caption:"; `changed` runs, guarded, once a whole date is
    // taken.
    DatePicker* AddDateField(QFormLayout* where, const QString& objectName, const QString& name,
                             const QString& caption, std::function<void()> changed);
    // A result label named `name` for a screen reader ("Initial course"),
    // captioned "name:" in `where`, selectable, its text heard as its value.
    QLabel* AddResult(QFormLayout* where, const QString& objectName, const QString& name);
    // Sets a result's text (8-bit) and what a screen reader hears of it.
    static void SetResult(QLabel* result, const std::string& text);

    // What File > Print puts on the page, drawn when the user prints.
    // `document` names it in the print queue and in a failure ("The
    // distance and course could not be printed to …"); a job says both
    // itself where the name reads badly in the failure.
    void SetPage(const QString& document, std::function<ResultsPage()> page);
    void SetPage(const PrintJob& job, std::function<ResultsPage()> page);

    // Runs `handler` inside the standard error report's guard.
    static void Guarded(const std::function<void()>& handler);

    // Last in a module's constructor: the suite's look (navy captions,
    // results in black, light surfaces under a dark scheme) and the first
    // showing centred on the screen.
    void Finish();

private:
    QVBoxLayout* body_ = nullptr;
    QMenu* file_ = nullptr;
    QAction* print_ = nullptr;
    std::vector<QLabel*> results_;
    PrintJob job_;
    std::function<ResultsPage()> page_;
};

} // namespace platform
