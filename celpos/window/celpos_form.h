// The position-fix window: the DR with the course and speed between the
// sights, the conditions they were taken in, the sights as a table (each
// filled in through the fields below it), the worksheet of the selected
// sight, one correction a line, and the fix with its residuals and
// warnings; sight files, the plotting sheet and three printouts.
#pragma once

#include "celpos/core/fix.h"
#include "celpos/core/sights_file.h"
#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"
#include "platform/module/time_entry.h"

#include <map>
#include <memory>
#include <optional>

namespace celpos {

class TPlottingSheetForm;

class TCelPosForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TCelPosForm(QWidget* parent = nullptr);
    ~TCelPosForm() override;

    platform::PositionEntry Dr;
    platform::Edit *CourseEdit = nullptr, *SpeedEdit = nullptr;
    platform::Edit *HeightEdit = nullptr, *TemperatureEdit = nullptr, *PressureEdit = nullptr;
    platform::Edit *IndexErrorEdit = nullptr, *WatchErrorEdit = nullptr, *Dut1Edit = nullptr;

    QTableWidget* SightTable = nullptr;
    QPushButton *AddButton = nullptr, *DeleteButton = nullptr;
    // The selected sight's fields.
    QComboBox* BodyBox = nullptr;
    QComboBox* LimbBox = nullptr;
    platform::DatePicker* SightDate = nullptr;
    platform::TimeEntry SightTime;
    platform::Edit *HsEdit = nullptr, *SightIndexEdit = nullptr;
    QCheckBox* NoonBox = nullptr;

    // The worksheet's lines by name ("Ho", "Intercept", ...) and the fix's.
    std::map<std::string, QLabel*> Worksheet;
    std::map<std::string, QLabel*> FixResults;

    // Opens a sights file as File > Open does (the program's argument).
    void OpenSights(const QString& file);
    // What the window holds, as a file would keep it.
    const SightsEntries& Entries() const { return entries_; }
    TPlottingSheetForm* SheetWindow() const { return sheet_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Insert and Delete in the table add and remove sights.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (celpos_form.cpp).
    void MakeVoyageFields();
    void MakeSightFields();
    void MakeResults();
    void MakeMenus();
    platform::Edit* AddNumberField(class QFormLayout* form, const char* objectName, const QString& caption,
                                   std::string SightsEntries::*field, const std::function<void(const std::string&)>& check);
    platform::Edit* NumberField(const char* objectName, const QString& name);

    // The sights (celpos_form_sights.cpp).
    void AddSight();
    void DeleteSight();
    void SelectSight(int row);
    void SightFieldChanged(const std::function<void(SightEntry&)>& change);
    void ShowSightFields();
    void ShowEntries();
    void Recompute();
    void ShowWorksheet();
    void ShowFix();
    void FillTable();
    int Selected() const;

    // Files (celpos_form_files.cpp).
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void ExportSheet();
    void SaveTo(const QString& file);
    void ReadFrom(const QString& file);
    void ShowFile(const QString& file);
    void UpdateModifiedMark();
    bool MayLeave();
    QString AskFileName(bool save, const QString& title, const QString& filter, const QString& suffix);

    // Printouts (celpos_form_pages.cpp).
    platform::ResultsPage FixPage() const;
    platform::ResultsPage WorksheetPage() const;
    void PrintWorksheet();
    void PrintAlmanacPage();
    void ShowPlottingSheet();

    SightsEntries entries_;
    std::string savedText_;   // the file's text when last opened or saved
    QString file_;
    std::optional<SightRound> round_;
    std::vector<SightReduction> reductions_;
    std::optional<Fix> fix_;
    std::string problem_;     // why there are no reductions or no fix
    std::unique_ptr<TPlottingSheetForm> sheet_;
};

} // namespace celpos
