#include "platform/module/time_entry.h"

#include "geo/int_text.h"
#include "platform/desktop/error_report.h"
#include "platform/widgets/mask_edit.h"


#include <algorithm>

namespace platform {
namespace {

constexpr int SecondsPerMinute = 60, SecondsPerHour = 3600, SecondsPerDay = 86400;
constexpr char Mask[] = "00:00:00";

std::string Text(int seconds)
{
    std::string text;
    geo::AppendZeroPadded(text, seconds / SecondsPerHour, 2);
    text += ':';
    geo::AppendZeroPadded(text, seconds / SecondsPerMinute % SecondsPerMinute, 2);
    text += ':';
    geo::AppendZeroPadded(text, seconds % SecondsPerMinute, 2);
    return text;
}

} // namespace

TimeEntry::TimeEntry(QWidget* window, const QString& objectName, const QString& name, StatusSink status)
    : status_(std::move(status))
{
    Field = new MaskEdit(window);
    Field->setObjectName(objectName);
    Field->setAccessibleName(name);
    Field->SetSignsAllowed(false);
    Field->SetEditMask(Mask);
    Field->SetText(Text(0));
    connect(Field, &MaskEdit::exited, this, [this] { Guard([this] { Exit(); }); });
    connect(Field, &MaskEdit::restored, this, [this] { status_({}); });
}

void TimeEntry::SetSeconds(int seconds)
{
    seconds_ = std::clamp(seconds, 0, SecondsPerDay - 1);
    Field->SetText(Text(seconds_));
}

void TimeEntry::Exit()
{
    // The mask holds a digit in every place, so each part is a number.
    const std::string text = Field->Text();
    const int h = geo::StrToInt(text.substr(0, 2)), m = geo::StrToInt(text.substr(3, 2)),
              s = geo::StrToInt(text.substr(6, 2));
    const char* wrong = h > 23 ? "Wrong Hours !" : m > 59 ? "Wrong Minutes !" : s > 59 ? "Wrong Seconds !" : "";
    status_(wrong);
    if (*wrong) {
        Field->SetRefusedText(text, Text(seconds_));
        TakeFocusBack(*Field);
        return;
    }
    const int seconds = h * SecondsPerHour + m * SecondsPerMinute + s;
    if (seconds == seconds_)
        return;
    seconds_ = seconds;
    emit changed();
}

} // namespace platform
