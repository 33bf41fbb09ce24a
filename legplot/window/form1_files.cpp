// Voyage files and the route for a chart plotter: the File menu's Open,
// Save, Save As and Export Route, the window's title and modified mark, and
// the question before a changed voyage is left.
#include "legplot/window/form1.h"

#include "legplot/core/gpx_route.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/file_questions.h"
#include "platform/desktop/latin1.h"
#include "platform/desktop/number_settings.h"
#include "platform/desktop/user_file.h"

#include <QFileInfo>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace legplot {
namespace {

constexpr char VoyageSuffix[] = "voyage";
constexpr long double LargestCourse = 359.9L; // as the course field's own check
constexpr char CourseMessage[] = " Max. 359.9";

// A course or speed field's text for the file: empty while nothing was
// ever typed into it.
std::string FieldEntry(const std::string& text)
{
    const bool blank = std::ranges::all_of(text, [](char c) { return c == ' ' || c == '.'; });
    return blank ? std::string() : geo::BlanksToZeros(text);
}

} // namespace

void TForm1::FileOpen()
{
    platform::Guard([this] {
        if (!MayLeaveVoyage())
            return;
        const QString file = AskFileName(false, QStringLiteral("Open a voyage"),
                                         QStringLiteral("Voyages (*.voyage);;All files (*)"), VoyageSuffix);
        if (!file.isEmpty())
            ReadVoyageFrom(file);
    });
}

void TForm1::OpenVoyage(const QString& file)
{
    platform::Guard([this, &file] { ReadVoyageFrom(file); });
}

void TForm1::FileSave()
{
    platform::Guard([this] {
        if (voyageFile_.isEmpty())
            FileSaveAs();
        else
            SaveVoyageTo(voyageFile_);
    });
}

void TForm1::FileSaveAs()
{
    platform::Guard([this] {
        const QString file = AskFileName(true, QStringLiteral("Save the voyage"),
                                         QStringLiteral("Voyages (*.voyage)"), VoyageSuffix);
        if (!file.isEmpty())
            SaveVoyageTo(file);
    });
}

void TForm1::FileExportRoute()
{
    platform::Guard([this] {
        const QString file = AskFileName(true, QStringLiteral("Export the route"),
                                         QStringLiteral("GPX routes (*.gpx)"), QStringLiteral("gpx"));
        if (file.isEmpty())
            return;
        // Like the printout: the voyage as last computed.
        platform::WriteWholeFile(file, QByteArray::fromStdString(GpxRoute(plan_)),
                                 QStringLiteral("The route could not be exported to %1: %2"));
    });
}

QString TForm1::AskFileName(bool save, const QString& title, const QString& filter, const QString& suffix)
{
    // A name to save under gets its ending; one to open is the file named,
    // which may have none. Saving the voyage offers its own file's name.
    return platform::AskFileName(this, {save, title, filter, suffix, voyageFile_, suffix == QLatin1String(VoyageSuffix),
                                        true});
}

void TForm1::ReadVoyageFrom(const QString& file)
{
    ApplyEntries(platform::ReadKeptFile(file, LargestVoyageFile,
                                        QStringLiteral("The voyage could not be opened from %1: %2"), ReadVoyageFile));
    ShowVoyageFile(file);
    RecomputeVoyage();
}

void TForm1::SaveVoyageTo(const QString& file)
{
    platform::WriteWholeFile(file, QByteArray::fromStdString(WriteVoyageFile(StoredEntries())),
                             QStringLiteral("The voyage could not be saved to %1: %2"));
    ShowVoyageFile(file);
    if (const QWidget* field = FieldNotTaken())
        SetStatusMessage(field->accessibleName().toStdString() + ": what is being typed is not saved");
}

void TForm1::ShowVoyageFile(const QString& file)
{
    voyageFile_ = file;
    savedEntries_ = StoredEntries();
    setWindowTitle(QFileInfo(file).fileName() + QStringLiteral("[*] \u2014 Dead Reckoning"));
    UpdateModifiedMark();
}

void TForm1::UpdateModifiedMark()
{
    setWindowModified(!voyageFile_.isEmpty() && StoredEntries() != savedEntries_);
}

bool TForm1::MayLeaveVoyage()
{
    if (!isWindowModified())
        return true;
    switch (platform::AskToSaveChanges(
        this, QStringLiteral("The voyage %1 has changed.").arg(QFileInfo(voyageFile_).fileName()))) {
    case platform::SaveAnswer::Save:
        SaveVoyageTo(voyageFile_); // a failure is reported and the voyage stays
        return true;
    case platform::SaveAnswer::Discard:
        return true;
    case platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

// What the window has stored -------------------------------------------------

StartEntry TForm1::StoredStart(bool isLongitude) const
{
    const double stored = isLongitude ? plan_.StartLon : plan_.StartLat;
    const TypedPosition& typed = typed_[isLongitude ? 1 : 0];
    StartEntry entry{typed.text, typed.format, std::signbit(stored)};
    if (typed.text.empty() || typed.magnitude != std::fabs(stored)) {
        // Nothing typed yet: the text tabbing through the field would store,
        // so that doing so is no change to the voyage.
        entry.Format = typed.text.empty() ? CurrentFormat() : geo::AngleFormat::DMSsss;
        entry.Text = geo::EntryText(entry.Format, isLongitude, stored);
    }
    return entry;
}

VoyageEntries TForm1::StoredEntries() const
{
    VoyageEntries e;
    e.Latitude = StoredStart(false);
    e.Longitude = StoredStart(true);
    const QDate date = DatePicker->date();
    e.Year = date.year();
    e.Month = date.month();
    e.Day = date.day();
    e.DepartureTime = plan_.DepartureTimeText;
    e.Ellipsoid = std::string(geo::EllipsoidNames.at(static_cast<std::size_t>(std::max(0, ComboBox1->currentIndex()))));
    e.Display = CurrentFormat();
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        e.Legs[i].Course = FieldEntry(legs_[i].course->TakenText());
        e.Legs[i].Speed = FieldEntry(legs_[i].speed->TakenText());
        e.Legs[i].Interval = plan_.Legs[i].IntervalText.empty() ? "00:00" : plan_.Legs[i].IntervalText;
    }
    return e;
}

QWidget* TForm1::FieldNotTaken() const
{
    QWidget* focus = focusWidget();
    const auto differs = [focus, this]() -> bool {
        for (platform::MaskEdit* field : {lat_edit, lon_edit})
            if (focus == field)
                return field->ChangedByTyping();
        for (std::size_t i = 0; i < legs_.size(); ++i) {
            if (focus == legs_[i].course || focus == legs_[i].speed)
                return static_cast<platform::MaskEdit*>(focus)->ChangedByTyping();
            if (focus == legs_[i].interval) {
                const std::string& stored = plan_.Legs[i].IntervalText;
                return geo::BlanksToZeros(legs_[i].interval->Text()) != (stored.empty() ? "00:00" : stored);
            }
        }
        if (focus == TimePicker)
            return geo::BlanksToZeros(TimePicker->Text()) != plan_.DepartureTimeText;
        if (focus == DatePicker)
            return DatePicker->HalfTyped();
        if (focus == NorS)
            return NorS->Text() != (std::signbit(plan_.StartLat) ? "S" : "N");
        if (focus == EorW)
            return EorW->Text() != (std::signbit(plan_.StartLon) ? "W" : "E");
        return false;
    };
    return focus && differs() ? focus : nullptr;
}

void TForm1::ApplyEntries(const VoyageEntries& e)
{
    RadioGroup1->SetItemIndex(static_cast<int>(e.Display));
    lat_edit->SetEditMask(geo::AngleLayout(e.Display, false));
    lon_edit->SetEditMask(geo::AngleLayout(e.Display, true));

    // The start positions as their fields' exits store them.
    for (const bool isLongitude : {false, true}) {
        const StartEntry& start = isLongitude ? e.Longitude : e.Latitude;
        double magnitude = 0;
        std::string message;
        geo::ParseCoordinate(isLongitude, start.Text, start.Format, magnitude, message);
        (isLongitude ? plan_.StartLon : plan_.StartLat) = start.Negative ? -magnitude : magnitude;
        typed_[isLongitude ? 1 : 0] = {start.Format, start.Text, magnitude};
        platform::Edit* letter = isLongitude ? EorW : NorS;
        const QSignalBlocker quiet(letter); // the letter follows the position, not the other way round
        letter->SetText(start.Negative ? (isLongitude ? "W" : "S") : (isLongitude ? "E" : "N"));
    }
    lat_edit->SetText(StartFieldText(false));
    lon_edit->SetText(StartFieldText(true));

    ComboBox1->setCurrentIndex(
        static_cast<int>(std::ranges::find(geo::EllipsoidNames, e.Ellipsoid) - geo::EllipsoidNames.begin()));
    {
        const QSignalBlocker quiet(DatePicker); // one computation, below
        DatePicker->setDate(QDate(e.Year, e.Month, e.Day));
    }
    TimePicker->SetText(e.DepartureTime);
    plan_.DepartureTimeText = e.DepartureTime;

    platform::MaskEdit* tooLarge = nullptr;
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        const LegRow& row = legs_[i];
        Leg& leg = plan_.Legs[i];
        row.course->SetText(e.Legs[i].Course);
        row.speed->SetText(e.Legs[i].Speed);
        row.interval->SetText(e.Legs[i].Interval);
        leg.Course = platform::StrToFloat(row.course->Text());
        leg.Speed = platform::StrToFloat(row.speed->Text());
        const TimeParts t = SplitTimeText(e.Legs[i].Interval);
        leg.Interval = static_cast<double>(t.Hours + t.Minutes / 60.0L);
        leg.IntervalText = e.Legs[i].Interval;
        if (!tooLarge && leg.Course > LargestCourse)
            tooLarge = row.course;
    }

    // What the window said of the voyage before is not said of this one.
    poleMessage_.clear();
    poleLeg_ = 0;
    // Into the course beyond the limit, as its exit does, or else the
    // departure date, whose leaving re-reads nothing: leaving a start field
    // would store a start finer than the format shown at that format's
    // precision, a change the user never made. No field keeps an undo of
    // the voyage before. The field the focus leaves holds its new text, so
    // its exit is not run: it would re-read that text, and say nothing of
    // this voyage.
    {
        const QSignalBlocker quiet(focusWidget());
        if (tooLarge)
            platform::TakeFocusBack(*tooLarge);
        else
            DatePicker->setFocus(Qt::OtherFocusReason);
    }
    SetStatusMessage(tooLarge ? CourseMessage : "");
}

} // namespace legplot
