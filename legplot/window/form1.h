// The dead-reckoning window: start position, departure, ellipsoid and the
// grid of five legs, with the "Display" choice of angle format and a
// status bar for the input messages.
//
// Every control is a member named as in the window's form (form1.ui), and
// every event handler is a public method named after its control and
// event. There is no button that computes: each input handler stores its
// field in the plan and runs RecomputeVoyage, which rewrites all twenty
// result labels. Handlers run inside the standard error report's guard.
#pragma once

#include "legplot/core/voyage.h"
#include "legplot/core/voyage_file.h"
#include "ui_form1.h"

#include <QMainWindow>

#include <array>

class QLabel;

namespace chart {
class TChartForm;
struct ChartVoyage;
} // namespace chart

namespace platform {
class MaskEdit;
class PictureField;
class PrintCanvas;
} // namespace platform

namespace legplot {

class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // The voyage the window holds, as its figures were last computed; what
    // the benchmark and the tests read back, since the window shows only
    // rounded texts of it.
    const VoyagePlan& Plan() const { return plan_; }

    // Text of status panel 1, right of "Message" (the panel is the window's
    // own, built in code, not in the form).
    QString StatusMessage() const;

    // The window.
    void FormCreate();
    void FormClose();

    // The start position.
    void lat_editExit();
    void lon_editExit();
    void NorSChange();
    void NorSClick();
    void NorSExit();
    void EorWChange();
    void EorWClick();
    void EorWExit();

    // The departure and the ellipsoid.
    void DatePickerChange();
    void TimePickerExit();
    void ComboBox1Change();

    // Interval, speed and course of legs 1 to 5.
    void MaskEdit11Exit();
    void MaskEdit12Exit();
    void MaskEdit13Exit();
    void MaskEdit14Exit();
    void MaskEdit15Exit();
    void MaskEdit16Exit();
    void MaskEdit17Exit();
    void MaskEdit18Exit();
    void MaskEdit19Exit();
    void MaskEdit20Exit();
    void MaskEdit21Exit();
    void MaskEdit22Exit();
    void MaskEdit23Exit();
    void MaskEdit24Exit();
    void MaskEdit25Exit();

    // The display format.
    void RadioGroup1Click();

    // The File menu: voyage files, the route for a chart plotter, the print
    // dialog and the page, closing the window.
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileExportRoute();
    void FileExportChart();
    void ViewChart();
    void FilePrint();
    void FileExit();

    // Opens a voyage file (the program's argument); a file refused is
    // reported and changes nothing.
    void OpenVoyage(const QString& file);
    // The voyage file the window shows; empty for a voyage never saved.
    const QString& VoyageFile() const { return voyageFile_; }
    // The chart window, once View > Chart has opened it.
    chart::TChartForm* ChartWindow() const { return chart_; }

    // Draws the voyage as it stands, in the display format now selected,
    // on a page. Changes nothing.
    void PrintPage(platform::PrintCanvas& canvas) const;

    // Recomputes all five legs from the plan and the window's selections
    // and rewrites the result labels. Not itself a handler: its errors go
    // to the handler that runs it.
    void RecomputeVoyage();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls of one leg row.
    struct LegRow {
        platform::PictureField* interval;
        platform::MaskEdit* speed;
        platform::MaskEdit* course;
        QLabel* lat;
        QLabel* lon;
        QLabel* date;
        QLabel* time;
    };

    void ApplyLook();
    void ApplyTextColours();
    static void ResultsChanged(const LegRow& row);
    void NameForScreenReaders();
    void WireEvents();
    void SetStatusMessage(const std::string& message);
    void ShowUncomputedLegs();
    geo::AngleFormat CurrentFormat() const;
    // The text of a stored start position for its field in the current
    // format: as it was typed, while that format is shown again and the
    // value is the one read from it.
    std::string StartFieldText(bool isLongitude) const;

    // Voyage files (form1_files.cpp).
    VoyageEntries StoredEntries() const;
    StartEntry StoredStart(bool isLongitude) const;
    void ApplyEntries(const VoyageEntries& entries);
    void ReadVoyageFrom(const QString& file);
    void SaveVoyageTo(const QString& file);
    QString AskFileName(bool save, const QString& title, const QString& filter, const QString& suffix);
    bool MayLeaveVoyage();
    void ShowVoyageFile(const QString& file);
    void UpdateModifiedMark();
    QWidget* FieldNotTaken() const;

    // The chart window (form1_chart.cpp).
    chart::ChartVoyage ChartOfVoyage() const;
    void UpdateChart();

    // The families of handlers; the described names are entry points.
    void StartPositionExit(bool isLongitude);
    void HemisphereChange(bool isLongitude);
    void HemisphereExit(bool isLongitude);
    void IntervalExit(int leg);
    void SpeedExit(int leg);
    void CourseExit(int leg);

    VoyagePlan plan_;
    std::array<LegRow, LegCount> legs_{};
    QLabel* messagePanel_ = nullptr;
    std::string poleMessage_; // shown by the last run that stopped at a pole
    int poleLeg_ = 0;         // the leg the last run stopped at; 0: it got through

    // A start position as typed: a text read back through a coarser
    // format loses the last digit of the finer one.
    struct TypedPosition {
        geo::AngleFormat format = geo::AngleFormat::DMdd;
        std::string text; // empty: nothing typed
        double magnitude = 0;
    };
    std::array<TypedPosition, 2> typed_{}; // latitude, longitude
    chart::TChartForm* chart_ = nullptr; // made when first shown
    QString voyageFile_;          // opened or saved last; empty: never saved
    VoyageEntries savedEntries_;  // what that file holds
    char savedDecimalSeparator_ = '.';
    char dateSeparator_ = '/';
    char timeSeparator_ = ':';
};

} // namespace legplot
