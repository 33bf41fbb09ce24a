#include "timezones/posix_tz.h"

#include "timezones/time_errors.h"

#include <algorithm>
#include <array>

namespace timezones {
namespace {

constexpr std::size_t MaxTextLength = 256;
constexpr int MinNameLength = 3;
constexpr int MaxOffsetHours = 24;  // POSIX's limit for a UTC offset
constexpr int MaxChangeHours = 167; // the TZif extension for a change's time
constexpr int JulianLeapDay = 60;   // J60 is 1 March: from there a leap year counts one more
constexpr int LastWeek = 5;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text left to right; every refusal says what it found wrong.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c)
    {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw TimeError("'" + std::string(text_) + "' is not a POSIX TZ string: " + what);
    }

    std::string Name(const char* which)
    {
        std::string name;
        if (Take('<')) {
            while (IsLetter(Peek()) || IsDigit(Peek()) || Peek() == '+' || Peek() == '-')
                name += text_[pos_++];
            if (!Take('>'))
                Fail(std::string("the ") + which + " name in <> is not closed, or holds a character names do not");
        } else {
            while (IsLetter(Peek()))
                name += text_[pos_++];
        }
        if (name.size() < MinNameLength) Fail(std::string("the ") + which + " name needs at least three letters");
        return name;
    }

    // [+-]h[h[h]][:mm[:ss]] in seconds, the sign applied.
    std::int32_t Clock(int maxHours, const char* which)
    {
        const bool negative = Peek() == '-';
        if (!Take('+')) Take('-');
        const int maxDigits = maxHours >= 100 ? 3 : 2;
        const int hours = Number(1, maxDigits, which);
        if (hours > maxHours) Fail(std::string("the ") + which + " hours must be 0 to " + std::to_string(maxHours));
        int minutes = 0, seconds = 0;
        if (Take(':')) {
            minutes = Number(1, 2, which);
            if (Take(':')) seconds = Number(1, 2, which);
        }
        if (minutes > 59 || seconds > 59) Fail(std::string("the ") + which + " minutes and seconds must be 0 to 59");
        const std::int32_t total = hours * SecondsPerHour + minutes * SecondsPerMinute + seconds;
        return negative ? -total : total;
    }

    int Number(int minDigits, int maxDigits, const char* which)
    {
        int value = 0, digits = 0;
        while (digits < maxDigits && IsDigit(Peek())) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        if (digits < minDigits) Fail(std::string("a number is missing in the ") + which);
        return value;
    }

    PosixDate Date(const char* which)
    {
        PosixDate date;
        if (Take('J')) {
            date.Kind = PosixDate::Form::Julian;
            date.Day = Number(1, 3, which);
            if (date.Day < 1 || date.Day > 365) Fail(std::string("the ") + which + " day Jn must be J1 to J365");
        } else if (Take('M')) {
            date.Kind = PosixDate::Form::MonthWeekDay;
            date.Month = Number(1, 2, which);
            if (!Take('.')) Fail(std::string("the ") + which + " rule Mm.w.d lacks its week");
            date.Week = Number(1, 1, which);
            if (!Take('.')) Fail(std::string("the ") + which + " rule Mm.w.d lacks its weekday");
            date.Day = Number(1, 1, which);
            if (date.Month < 1 || date.Month > 12) Fail(std::string("the ") + which + " month must be 1 to 12");
            if (date.Week < 1 || date.Week > LastWeek) Fail(std::string("the ") + which + " week must be 1 to 5");
            if (date.Day > 6) Fail(std::string("the ") + which + " weekday must be 0 to 6");
        } else {
            date.Kind = PosixDate::Form::ZeroBased;
            date.Day = Number(1, 3, which);
            if (date.Day > 365) Fail(std::string("the ") + which + " day n must be 0 to 365");
        }
        if (Take('/')) date.Time = Clock(MaxChangeHours, which);
        return date;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::int64_t DayOfChange(const PosixDate& date, int year)
{
    const std::int64_t firstOfYear = DaysFromCivil({year, 1, 1});
    switch (date.Kind) {
    case PosixDate::Form::Julian:
        return firstOfYear + date.Day - 1 + (IsLeapYear(year) && date.Day >= JulianLeapDay ? 1 : 0);
    case PosixDate::Form::ZeroBased:
        return firstOfYear + date.Day;
    case PosixDate::Form::MonthWeekDay:
        break;
    }
    if (date.Week == LastWeek) {
        const std::int64_t last = DaysFromCivil({year, date.Month, DaysInMonth(year, date.Month)});
        return last - (WeekdayFromDays(last) - date.Day + 7) % 7;
    }
    const std::int64_t first = DaysFromCivil({year, date.Month, 1});
    return first + (date.Day - WeekdayFromDays(first) + 7) % 7 + 7 * (date.Week - 1);
}

} // namespace

PosixTz ParsePosixTz(std::string_view text)
{
    Reader reader(text);
    if (text.size() > MaxTextLength) reader.Fail("it is longer than 256 characters");
    PosixTz tz;
    tz.Standard.Abbreviation = reader.Name("standard time");
    tz.Standard.UtcOffset = -reader.Clock(MaxOffsetHours, "standard offset");
    if (reader.AtEnd()) return tz;
    LocalType summer;
    summer.IsDst = true;
    summer.Abbreviation = reader.Name("summer time");
    summer.UtcOffset = tz.Standard.UtcOffset + SecondsPerHour;
    if (!reader.AtEnd() && reader.Peek() != ',') summer.UtcOffset = -reader.Clock(MaxOffsetHours, "summer offset");
    if (!reader.Take(',')) reader.Fail("summer time needs its rule (,start,end)");
    tz.SummerStart = reader.Date("start");
    if (!reader.Take(',')) reader.Fail("the rule needs the end of summer time after a comma");
    tz.SummerEnd = reader.Date("end");
    if (!reader.AtEnd()) reader.Fail("it goes on after the end of summer time");
    tz.Summer = summer;
    return tz;
}

UtcSeconds PosixChangeInYear(const PosixTz& tz, int year, bool start)
{
    const PosixDate& date = start ? tz.SummerStart : tz.SummerEnd;
    const std::int32_t offsetBefore = start ? tz.Standard.UtcOffset : tz.Summer->UtcOffset;
    return DayOfChange(date, year) * SecondsPerDay + date.Time - offsetBefore;
}

LocalType PosixTypeAt(const PosixTz& tz, UtcSeconds t)
{
    if (!tz.Summer) return tz.Standard;
    // A change's time may lie up to a week from its day, and a southern
    // summer spans the new year: the changes of the years around t decide.
    struct Change {
        UtcSeconds At;
        bool Start; // ends sort before starts at one instant: a summer all year stays summer
    };
    const int year = CivilFromDays(FloorDiv(t, SecondsPerDay)).Year;
    std::array<Change, 8> changes{};
    std::size_t n = 0;
    for (int y = year - 2; y <= year + 1; ++y) {
        changes[n++] = {PosixChangeInYear(tz, y, true), true};
        changes[n++] = {PosixChangeInYear(tz, y, false), false};
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.At != b.At ? a.At < b.At : a.Start < b.Start; });
    bool summer = !changes.front().Start;
    for (const Change& change : changes)
        if (change.At <= t) summer = change.Start;
    return summer ? *tz.Summer : tz.Standard;
}

} // namespace timezones
