// The input handlers of the dead-reckoning window and the format switch.
#include "legplot/window/form1.h"

#include "geo/angle_text.h"
#include "platform/desktop/error_report.h"
#include "platform/widgets/field.h"
#include "platform/desktop/number_settings.h"

#include <cmath>

namespace legplot {
namespace {

constexpr long double LargestCourse = 359.9L; // compared in extended: a typed 359.9 passes
constexpr char CourseMessage[] = " Max. 359.9";

// The magnitude with the hemisphere's sign; the sign of a value is held
// only here, so "S" or "W" makes even a zero negative.
double WithHemisphere(double value, bool negative)
{
    return negative ? -std::fabs(value) : std::fabs(value);
}

} // namespace

// Start position ----------------------------------------------------------

void TForm1::lat_editExit() { platform::Guard([this] { StartPositionExit(false); }); }
void TForm1::lon_editExit() { platform::Guard([this] { StartPositionExit(true); }); }

void TForm1::StartPositionExit(bool isLongitude)
{
    platform::MaskEdit* field = isLongitude ? lon_edit : lat_edit;
    double& stored = isLongitude ? plan_.StartLon : plan_.StartLat;
    const platform::Edit* letter = isLongitude ? EorW : NorS;

    const std::string text = field->Text();
    std::string message;
    double value = stored;
    geo::ParseCoordinate(isLongitude, text, CurrentFormat(), value, message);
    // The letter decides the sign after every accepted entry, zero included.
    const std::string entered = geo::BlanksToZeros(text);
    if (message.empty()) {
        stored = WithHemisphere(value, letter->text().toUpper() == QLatin1String(isLongitude ? "W" : "S"));
        typed_[isLongitude ? 1 : 0] = {CurrentFormat(), entered, std::fabs(stored)};
    }
    SetStatusMessage(message);
    if (!message.empty()) {
        // Escape brings back what is stored, not the refused text.
        field->SetRefusedText(entered, StartFieldText(isLongitude));
        platform::TakeFocusBack(*field);
        return;
    }
    field->SetText(entered);
    RecomputeVoyage();
}

std::string TForm1::StartFieldText(bool isLongitude) const
{
    const TypedPosition& typed = typed_[isLongitude ? 1 : 0];
    const double stored = isLongitude ? plan_.StartLon : plan_.StartLat;
    if (!typed.text.empty() && typed.format == CurrentFormat() && typed.magnitude == std::fabs(stored))
        return typed.text;
    return geo::EntryText(CurrentFormat(), isLongitude, stored);
}

void TForm1::NorSChange() { platform::Guard([this] { HemisphereChange(false); }); }
void TForm1::EorWChange() { platform::Guard([this] { HemisphereChange(true); }); }

void TForm1::HemisphereChange(bool isLongitude)
{
    platform::Edit* letter = isLongitude ? EorW : NorS;
    double& stored = isLongitude ? plan_.StartLon : plan_.StartLat;
    // Writing the upper-case text runs this handler once more, inside.
    letter->setText(letter->text().toUpper());
    platform::RethrowPassedError();
    stored = WithHemisphere(stored, letter->Text() == (isLongitude ? "W" : "S"));
    RecomputeVoyage();
}

void TForm1::NorSClick()
{
    platform::Guard([this] {
        NorS->SetText(NorS->Text() == "N" ? "S" : "N");
        RecomputeVoyage();
    });
}

void TForm1::EorWClick()
{
    platform::Guard([this] {
        if (EorW->Text() == "E")
            EorW->SetText("W");
        else if (EorW->Text() == "W")
            EorW->SetText("E");
        DatePicker->setFocus(Qt::OtherFocusReason);
    });
}

void TForm1::NorSExit() { platform::Guard([this] { HemisphereExit(false); }); }
void TForm1::EorWExit() { platform::Guard([this] { HemisphereExit(true); }); }

void TForm1::HemisphereExit(bool isLongitude)
{
    platform::Edit* letter = isLongitude ? EorW : NorS;
    double& stored = isLongitude ? plan_.StartLon : plan_.StartLat;
    const QLatin1String positive(isLongitude ? "E" : "N");
    const QLatin1String negative(isLongitude ? "W" : "S");
    const QString text = letter->text().toUpper();
    if (text != positive && text != negative) {
        platform::TakeFocusBack(*letter);
        return;
    }
    stored = WithHemisphere(stored, text == negative);
    RecomputeVoyage();
}

// Departure and ellipsoid -------------------------------------------------

void TForm1::DatePickerChange() { platform::Guard([this] { RecomputeVoyage(); }); }
void TForm1::ComboBox1Change() { platform::Guard([this] { RecomputeVoyage(); }); }

void TForm1::TimePickerExit()
{
    platform::Guard([this] {
        TimePicker->SetText(geo::BlanksToZeros(TimePicker->Text()));
        const TimeParts t = SplitTimeText(TimePicker->Text());
        plan_.Departure.Seconds = TimeOfDay(t);
        // A time beyond the clock shows as the time of day it is sailed
        // from (25:00 as 01:00), so that field, figures and page agree.
        if (t.Hours > 23 || t.Minutes > 59)
            TimePicker->SetText(TimeText(plan_.Departure.Seconds));
        RecomputeVoyage();
    });
}

// Legs ----------------------------------------------------------------------

void TForm1::MaskEdit11Exit() { platform::Guard([this] { IntervalExit(1); }); }
void TForm1::MaskEdit12Exit() { platform::Guard([this] { IntervalExit(2); }); }
void TForm1::MaskEdit13Exit() { platform::Guard([this] { IntervalExit(3); }); }
void TForm1::MaskEdit14Exit() { platform::Guard([this] { IntervalExit(4); }); }
void TForm1::MaskEdit15Exit() { platform::Guard([this] { IntervalExit(5); }); }
void TForm1::MaskEdit16Exit() { platform::Guard([this] { SpeedExit(1); }); }
void TForm1::MaskEdit17Exit() { platform::Guard([this] { SpeedExit(2); }); }
void TForm1::MaskEdit18Exit() { platform::Guard([this] { SpeedExit(3); }); }
void TForm1::MaskEdit19Exit() { platform::Guard([this] { SpeedExit(4); }); }
void TForm1::MaskEdit20Exit() { platform::Guard([this] { SpeedExit(5); }); }
void TForm1::MaskEdit21Exit() { platform::Guard([this] { CourseExit(1); }); }
void TForm1::MaskEdit22Exit() { platform::Guard([this] { CourseExit(2); }); }
void TForm1::MaskEdit23Exit() { platform::Guard([this] { CourseExit(3); }); }
void TForm1::MaskEdit24Exit() { platform::Guard([this] { CourseExit(4); }); }
void TForm1::MaskEdit25Exit() { platform::Guard([this] { CourseExit(5); }); }

void TForm1::IntervalExit(int leg)
{
    platform::PictureField* field = legs_[static_cast<std::size_t>(leg - 1)].interval;
    Leg& stored = plan_.Legs[static_cast<std::size_t>(leg - 1)];
    field->SetText(geo::BlanksToZeros(field->Text()));
    const TimeParts t = SplitTimeText(field->Text());
    stored.Interval = static_cast<double>(t.Hours + t.Minutes / 60.0L);
    stored.IntervalText = field->Text();
    RecomputeVoyage();
}

void TForm1::SpeedExit(int leg)
{
    const platform::MaskEdit* field = legs_[static_cast<std::size_t>(leg - 1)].speed;
    plan_.Legs[static_cast<std::size_t>(leg - 1)].Speed = platform::StrToFloat(field->Text());
    RecomputeVoyage();
}

void TForm1::CourseExit(int leg)
{
    platform::MaskEdit* field = legs_[static_cast<std::size_t>(leg - 1)].course;
    double& course = plan_.Legs[static_cast<std::size_t>(leg - 1)].Course;
    // Stored before the check: a course beyond the limit is sailed as typed.
    course = platform::StrToFloat(field->Text());
    if (course <= LargestCourse) {
        SetStatusMessage("");
    } else {
        platform::TakeFocusBack(*field);
        SetStatusMessage(CourseMessage);
    }
    RecomputeVoyage();
}

// Display format ------------------------------------------------------------

void TForm1::RadioGroup1Click()
{
    platform::Guard([this] {
        const int index = RadioGroup1->ItemIndex();
        if (index >= 0 && index <= 2) {
            const auto format = static_cast<geo::AngleFormat>(index);
            lat_edit->SetEditMask(geo::AngleLayout(format, false));
            lon_edit->SetEditMask(geo::AngleLayout(format, true));
        }
        // Never a text the field's own exit would refuse (a carry up to 90
        // or 180 degrees), and a position as it was typed when its format
        // comes back.
        lat_edit->SetText(StartFieldText(false));
        lon_edit->SetText(StartFieldText(true));
        RecomputeVoyage();
    });
}

} // namespace legplot
