// The position-fix window's sights: the table and the fields of the
// selected sight, and everything computed from them.
#include "celpos/window/celpos_form.h"

#include "astro/astro_error.h"
#include "celpos/core/angle_texts.h"
#include "celpos/core/worksheet.h"
#include "celpos/window/plotting_sheet_form.h"
#include "geo/position_text.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "timezones/civil_calendar.h"
#include "timezones/time_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <cmath>

namespace celpos {
namespace {

constexpr char NewAltitude[] = "0\xC2\xB0" "00.0";

QString Qt8(const std::string& latin1) { return platform::ToQt(latin1); }
QString QtUtf8(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
std::string Latin1OfUtf8(const std::string& utf8) { return platform::FromQt(QtUtf8(utf8)); }

// The date and the time of day of an instant as the fields hold them.
void SplitInstant(double utc, QDate& date, int& seconds)
{
    const auto whole = static_cast<std::int64_t>(std::llround(utc));
    const std::int64_t days = timezones::FloorDiv(whole, timezones::SecondsPerDay);
    const timezones::CivilDate d = timezones::CivilFromDays(days);
    date = QDate(d.Year, d.Month, d.Day);
    seconds = static_cast<int>(whole - days * timezones::SecondsPerDay);
}

std::string InstantText(QDate date, int seconds)
{
    const std::int64_t days = timezones::DaysFromCivil({date.year(), date.month(), date.day()});
    return timezones::FormatIsoUtc(static_cast<double>(days * timezones::SecondsPerDay + seconds));
}

} // namespace

int TCelPosForm::Selected() const
{
    const int row = SightTable->currentRow();
    return row >= 0 && row < static_cast<int>(entries_.Sights.size()) ? row : -1;
}

bool TCelPosForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SightTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert || key == Qt::Key_Delete) {
            Guarded([this, key] { key == Qt::Key_Insert ? AddSight() : DeleteSight(); });
            return true;
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TCelPosForm::AddSight()
{
    if (entries_.Sights.size() >= MostSights) {
        SetStatus("A round holds 20 sights at most");
        return;
    }
    SightEntry sight;
    const int from = Selected();
    if (from >= 0) {
        sight = entries_.Sights[static_cast<std::size_t>(from)];
        sight.Noon = false;
    } else {
        sight.Body = "Sun";
        sight.Time = timezones::FormatIsoUtc(std::floor(QDateTime::currentSecsSinceEpoch()));
        sight.Hs = NewAltitude;
    }
    const int row = from < 0 ? static_cast<int>(entries_.Sights.size()) : from + 1;
    entries_.Sights.insert(entries_.Sights.begin() + row, sight);
    Recompute();
    SightTable->setCurrentCell(row, 0);
    SetStatus("Sight " + std::to_string(row + 1) + " added: fill in its fields");
}

void TCelPosForm::DeleteSight()
{
    const int row = Selected();
    if (row < 0)
        return;
    entries_.Sights.erase(entries_.Sights.begin() + row);
    Recompute();
    SightTable->setCurrentCell(std::min(row, static_cast<int>(entries_.Sights.size()) - 1), 0);
    ShowSightFields();
    ShowWorksheet();
    SetStatus("Sight " + std::to_string(row + 1) + " deleted");
}

void TCelPosForm::SelectSight(int)
{
    ShowSightFields();
    ShowWorksheet();
}

void TCelPosForm::SightFieldChanged(const std::function<void(SightEntry&)>& change)
{
    const int row = Selected();
    if (row < 0)
        return;
    SightEntry sight = entries_.Sights[static_cast<std::size_t>(row)];
    sight.Time = InstantText(SightDate->date(), SightTime.Seconds());
    change(sight);
    try {
        sight = ReadSightText(SightText(sight)); // refused as a file would refuse it
    } catch (const SightError& e) {
        SetStatus(platform::FromQt(QString::fromUtf8(e.what())));
        ShowSightFields();
        return;
    }
    SetStatus({});
    entries_.Sights[static_cast<std::size_t>(row)] = sight;
    Recompute();
}

void TCelPosForm::ShowSightFields()
{
    const int row = Selected();
    const bool any = row >= 0;
    const std::initializer_list<QWidget*> fields = {BodyBox, LimbBox, SightDate, SightTime.Field, HsEdit, SightIndexEdit, NoonBox};
    for (QWidget* w : fields)
        w->setEnabled(any);
    DeleteButton->setEnabled(any);
    if (!any)
        return;
    const SightEntry& s = entries_.Sights[static_cast<std::size_t>(row)];
    const QSignalBlocker quietBody(BodyBox), quietLimb(LimbBox), quietDate(SightDate), quietNoon(NoonBox);
    BodyBox->setCurrentText(QString::fromStdString(s.Body));
    LimbBox->setCurrentIndex(static_cast<int>(s.LimbTaken));
    QDate date;
    int seconds = 0;
    SplitInstant(timezones::ParseInstant(s.Time), date, seconds);
    SightDate->setDate(date);
    SightTime.SetSeconds(seconds);
    HsEdit->SetText(Latin1OfUtf8(s.Hs));
    SightIndexEdit->SetText(s.IndexError);
    NoonBox->setChecked(s.Noon);
}

void TCelPosForm::ShowEntries()
{
    Dr.SetPosition(entries_.DrLatDeg, entries_.DrLonDeg);
    const std::pair<platform::Edit*, const std::string*> fields[] = {
        {CourseEdit, &entries_.Course},         {SpeedEdit, &entries_.Speed},        {HeightEdit, &entries_.HeightOfEye},
        {TemperatureEdit, &entries_.Temperature}, {PressureEdit, &entries_.Pressure}, {IndexErrorEdit, &entries_.IndexError},
        {WatchErrorEdit, &entries_.WatchError}, {Dut1Edit, &entries_.Dut1}};
    for (const auto& [field, text] : fields)
        field->SetText(*text);
    Recompute();
    SightTable->setCurrentCell(entries_.Sights.empty() ? -1 : 0, 0);
    ShowSightFields();
    ShowWorksheet();
}

void TCelPosForm::Recompute()
{
    problem_.clear();
    round_.reset();
    reductions_.clear();
    fix_.reset();
    try {
        round_ = RoundOf(entries_);
        reductions_ = ReduceRound(*round_, AlmanacPosition);
        if (reductions_.size() >= 2)
            fix_ = FixPosition(*round_, AlmanacPosition);
        else
            problem_ = "Two sights or more give a fix";
    } catch (const SightError& e) {
        problem_ = e.what();
    } catch (const astro::AstroError& e) {
        problem_ = e.what();
    }
    FillTable();
    ShowWorksheet();
    ShowFix();
    UpdateModifiedMark();
    if (sheet_)
        sheet_->Show(round_ ? SheetOf(*round_, reductions_, fix_) : PlottingSheet{});
}

void TCelPosForm::FillTable()
{
    const int row = SightTable->currentRow();
    const QSignalBlocker quiet(SightTable);
    SightTable->setRowCount(static_cast<int>(entries_.Sights.size()));
    for (std::size_t i = 0; i < entries_.Sights.size(); ++i) {
        const SightEntry& s = entries_.Sights[i];
        // Hs as typed, with its minute mark as Ho and Hc show theirs.
        std::string hs = Latin1OfUtf8(s.Hs);
        if (hs.find('\xB0') != std::string::npos && !hs.ends_with('\''))
            hs += '\'';
        std::vector<std::string> cells = {s.Body, LimbName(s.LimbTaken) + (s.Noon ? ", noon" : ""),
                                          s.Time, hs, "", "", "", "", ""};
        if (i < reductions_.size()) {
            const SightReduction& r = reductions_[i];
            cells[4] = AltitudeText(r.Corrections.HoDeg);
            cells[5] = AltitudeText(r.Computed.HcDeg);
            cells[6] = AzimuthText(r.Computed.ZnDeg);
            cells[7] = InterceptText(r.InterceptNm);
        }
        if (fix_ && i < fix_->ResidualsArcmin.size())
            cells[8] = CorrectionText(fix_->ResidualsArcmin[i]);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Qt8(cells[c]));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            SightTable->setItem(static_cast<int>(i), static_cast<int>(c), item);
        }
    }
    if (row >= 0 && row < SightTable->rowCount())
        SightTable->setCurrentCell(row, SightTable->currentColumn() < 0 ? 0 : SightTable->currentColumn());
}

void TCelPosForm::ShowWorksheet()
{
    for (auto& [name, label] : Worksheet)
        SetResult(label, "");
    const int row = Selected();
    if (row < 0 || static_cast<std::size_t>(row) >= reductions_.size() || !round_)
        return;
    for (const auto& [name, value] : WorksheetLines(round_->Sights[static_cast<std::size_t>(row)],
                                                    reductions_[static_cast<std::size_t>(row)])) {
        const std::string slot = name == "Meridian altitude" ? "Hc" : name.starts_with("Latitude") ? "Latitude" : name;
        if (const auto found = Worksheet.find(slot); found != Worksheet.end())
            SetResult(found->second, name.starts_with("Latitude by") || name == "Meridian altitude" ? value + " (" + name + ")" : value);
    }
}

void TCelPosForm::ShowFix()
{
    for (auto& [name, label] : FixResults)
        SetResult(label, "");
    if (!fix_) {
        SetResult(FixResults["Fix"], Latin1OfUtf8(problem_));
        return;
    }
    std::string residuals, warnings;
    for (const auto& [name, value] : FixLines(*fix_)) {
        if (name.ends_with(" residual"))
            residuals += (residuals.empty() ? "" : "   ") + name.substr(6, name.size() - 15) + ": " + value;
        else if (name == "Warning")
            warnings += (warnings.empty() ? "" : "\n") + value;
        else if (const auto found = FixResults.find(name); found != FixResults.end())
            SetResult(found->second, value);
    }
    SetResult(FixResults["Residuals"], residuals);
    SetResult(FixResults["Warnings"], warnings.empty() ? "none" : warnings);
}

} // namespace celpos
