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

class TForm1 : public QMainWindow, private Ui::TForm1 {
    Q_OBJECT

public:
    // The form's controls, by the names the form gives them; its
    // generated setup stays the class's own.
    using Ui::TForm1::ClientArea; using Ui::TForm1::CoolBar1; using Ui::TForm1::Label47;
    using Ui::TForm1::RadioGroup1; using Ui::TForm1::Label6; using Ui::TForm1::Panel2; using Ui::TForm1::Label1;
    using Ui::TForm1::lat_edit; using Ui::TForm1::NorS; using Ui::TForm1::Label2; using Ui::TForm1::lon_edit;
    using Ui::TForm1::EorW; using Ui::TForm1::Label18; using Ui::TForm1::DatePicker; using Ui::TForm1::Label19;
    using Ui::TForm1::TimePicker; using Ui::TForm1::Label13; using Ui::TForm1::ComboBox1; using Ui::TForm1::Label39;
    using Ui::TForm1::Label4; using Ui::TForm1::Label3; using Ui::TForm1::Label41; using Ui::TForm1::Label5;
    using Ui::TForm1::Label40; using Ui::TForm1::Label20; using Ui::TForm1::Label21; using Ui::TForm1::Label22;
    using Ui::TForm1::Label23; using Ui::TForm1::Label34; using Ui::TForm1::MaskEdit21; using Ui::TForm1::Label42;
    using Ui::TForm1::MaskEdit16; using Ui::TForm1::Maskedit11; using Ui::TForm1::Label7; using Ui::TForm1::Label12;
    using Ui::TForm1::Label24; using Ui::TForm1::Label29; using Ui::TForm1::Label35; using Ui::TForm1::MaskEdit22;
    using Ui::TForm1::Label43; using Ui::TForm1::MaskEdit17; using Ui::TForm1::Maskedit12; using Ui::TForm1::Label8;
    using Ui::TForm1::Label14; using Ui::TForm1::Label25; using Ui::TForm1::Label30; using Ui::TForm1::Label36;
    using Ui::TForm1::MaskEdit23; using Ui::TForm1::Label44; using Ui::TForm1::MaskEdit18;
    using Ui::TForm1::Maskedit13; using Ui::TForm1::Label9; using Ui::TForm1::Label15; using Ui::TForm1::Label26;
    using Ui::TForm1::Label31; using Ui::TForm1::Label37; using Ui::TForm1::MaskEdit24; using Ui::TForm1::Label45;
    using Ui::TForm1::MaskEdit19; using Ui::TForm1::Maskedit14; using Ui::TForm1::Label10;
    using Ui::TForm1::Label16; using Ui::TForm1::Label27; using Ui::TForm1::Label32; using Ui::TForm1::Label38;
    using Ui::TForm1::MaskEdit25; using Ui::TForm1::Label46; using Ui::TForm1::MaskEdit20;
    using Ui::TForm1::maskedit15; using Ui::TForm1::Label11; using Ui::TForm1::Label17; using Ui::TForm1::Label28;
    using Ui::TForm1::Label33; using Ui::TForm1::StatusBar1; using Ui::TForm1::MainMenu; using Ui::TForm1::FileMenu;
    using Ui::TForm1::ViewMenu; using Ui::TForm1::HelpMenu; using Ui::TForm1::HelpManualItem;
    using Ui::TForm1::HelpKeyboardItem; using Ui::TForm1::FileOpenItem; using Ui::TForm1::FileSaveItem;
    using Ui::TForm1::FileSaveAsItem; using Ui::TForm1::N1; using Ui::TForm1::FileExportRouteItem;
    using Ui::TForm1::FileExportChartItem; using Ui::TForm1::ViewChartItem; using Ui::TForm1::N2;
    using Ui::TForm1::FilePrintItem; using Ui::TForm1::N4; using Ui::TForm1::FileExitItem;

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
