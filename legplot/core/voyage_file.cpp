#include "legplot/core/voyage_file.h"

#include "geo/ellipsoids.h"
#include "geo/position_text.h"
#include "legplot/core/calendar.h"
#include "legplot/core/time_text.h"

#include <algorithm>
#include <utility>

namespace legplot {
namespace {

constexpr std::array<std::string_view, 3> FormatNames = {"DM.dd", "DMS", "DMS.sss"};

using platform::KeyedValue;
using platform::RefuseLine;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// `text` follows `pattern`, where '9' stands for a digit.
bool Fits(std::string_view text, std::string_view pattern)
{
    return text.size() == pattern.size() &&
           std::ranges::equal(text, pattern, [](char t, char p) { return p == '9' ? IsDigit(t) : t == p; });
}

std::string TwoDigits(int n)
{
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

std::string LegKey(int leg, std::string_view part)
{
    return "leg-" + std::to_string(leg) + "-" + std::string(part);
}

StartEntry ReadStart(const KeyedValue& v, bool isLongitude)
{
    const std::string& key = isLongitude ? "start-longitude" : "start-latitude";
    const char positive = isLongitude ? 'E' : 'N';
    const char negative = isLongitude ? 'W' : 'S';
    const std::string text = geo::EightBitText(v.Text); // the fields' own 8-bit text
    const std::size_t blank = text.rfind(' ');
    StartEntry entry;
    const std::string letter = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    if (letter != std::string(1, positive) && letter != std::string(1, negative))
        RefuseLine(v.Line, key + " does not end in " + positive + " or " + negative);
    entry.Text = text.substr(0, blank);
    entry.Negative = letter[0] == negative;
    if (entry.Text.find(' ') != std::string::npos || !geo::FormatOfEntry(entry.Text, isLongitude, entry.Format))
        RefuseLine(v.Line, key + " is not a position in one of the layouts DM.dd, DMS, DMS.sss");
    double value = 0;
    std::string message;
    geo::ParseCoordinate(isLongitude, entry.Text, entry.Format, value, message);
    if (!message.empty())
        RefuseLine(v.Line, key + " is out of range (" + message + ")");
    return entry;
}

// The interval field takes digits, minus signs and points; it stores only
// what reads as hours and minutes ("-0:30" does, "-1:00" does not).
std::string ReadInterval(const KeyedValue& v, const std::string& key)
{
    const bool layout = v.Text.size() == 5 && v.Text[2] == ':' &&
                        std::ranges::all_of(v.Text.substr(0, 2) + v.Text.substr(3),
                                            [](char c) { return IsDigit(c) || c == '-' || c == '.'; });
    try {
        if (layout) {
            SplitTimeText(v.Text);
            return v.Text;
        }
    } catch (const std::exception&) {
    }
    RefuseLine(v.Line, key + " '" + v.Text + "' is not an interval hh:mm");
}

std::string ReadChoice(const KeyedValue& v, const std::string& key, bool (*known)(const std::string&))
{
    if (!known(v.Text))
        RefuseLine(v.Line, key + " '" + v.Text + "' is not known here");
    return v.Text;
}

bool IsEllipsoidName(const std::string& name)
{
    return std::ranges::find(geo::EllipsoidNames, name) != geo::EllipsoidNames.end();
}

bool IsFormatName(const std::string& name)
{
    return std::ranges::find(FormatNames, name) != FormatNames.end();
}

} // namespace

std::string WriteVoyageFile(const VoyageEntries& e)
{
    const auto start = [](const StartEntry& s, char positive, char negative) {
        return geo::Utf8Text(s.Text) + ' ' + (s.Negative ? negative : positive);
    };
    std::string out = platform::KeyedSignature(VoyageFormat);
    out += "# A dead-reckoning voyage: the start, the departure and five legs.\n";
    out += "start-latitude = " + start(e.Latitude, 'N', 'S') + "\n";
    out += "start-longitude = " + start(e.Longitude, 'E', 'W') + "\n";
    out += "departure-date = " + std::to_string(e.Year) + "-" + TwoDigits(e.Month) + "-" + TwoDigits(e.Day) + "\n";
    out += "departure-time = " + e.DepartureTime + "\n";
    out += "ellipsoid = " + e.Ellipsoid + "\n";
    out += "display = " + std::string(FormatNames.at(static_cast<std::size_t>(e.Display))) + "\n";
    for (int k = 1; k <= static_cast<int>(e.Legs.size()); ++k) {
        const LegEntries& leg = e.Legs[static_cast<std::size_t>(k - 1)];
        out += LegKey(k, "course") + " = " + leg.Course + "\n";
        out += LegKey(k, "speed") + " = " + leg.Speed + "\n";
        out += LegKey(k, "interval") + " = " + leg.Interval + "\n";
    }
    return out;
}

VoyageEntries ReadVoyageFile(std::string_view text)
{
    platform::KeyedValues values(text, VoyageFormat);
    // A value that is a text of the field's layout, as the field stores it.
    const auto field = [&values](const std::string& key, std::string_view pattern, bool mayBeEmpty) {
        KeyedValue v = values.Take(key);
        if (!(mayBeEmpty && v.Text.empty()) && !Fits(v.Text, pattern))
            RefuseLine(v.Line, key + " '" + v.Text + "' is not a number of the layout " + std::string(pattern));
        return v;
    };

    VoyageEntries e;
    e.Latitude = ReadStart(values.Take("start-latitude"), false);
    e.Longitude = ReadStart(values.Take("start-longitude"), true);

    const KeyedValue date = field("departure-date", "9999-99-99", false);
    e.Year = std::stoi(date.Text.substr(0, 4));
    e.Month = std::stoi(date.Text.substr(5, 2));
    e.Day = std::stoi(date.Text.substr(8, 2));
    if (DayNumberOf(e.Year, e.Month, e.Day) == NoDate)
        RefuseLine(date.Line, "departure-date " + date.Text + " is not a date from 1600-01-01 to 3999-12-31");

    const KeyedValue time = field("departure-time", "99:99", false);
    if (std::stoi(time.Text.substr(0, 2)) > 23 || std::stoi(time.Text.substr(3, 2)) > 59)
        RefuseLine(time.Line, "departure-time " + time.Text + " is not a time of day");
    e.DepartureTime = time.Text;

    e.Ellipsoid = ReadChoice(values.Take("ellipsoid"), "ellipsoid", IsEllipsoidName);
    const std::string display = ReadChoice(values.Take("display"), "display", IsFormatName);
    e.Display = static_cast<geo::AngleFormat>(std::ranges::find(FormatNames, display) - FormatNames.begin());

    for (int k = 1; k <= static_cast<int>(e.Legs.size()); ++k) {
        LegEntries& leg = e.Legs[static_cast<std::size_t>(k - 1)];
        leg.Course = field(LegKey(k, "course"), "999.9", true).Text;
        leg.Speed = field(LegKey(k, "speed"), "99.9", true).Text;
        leg.Interval = ReadInterval(values.Take(LegKey(k, "interval")), LegKey(k, "interval"));
    }
    values.RefuseKeysLeft();
    return e;
}

} // namespace legplot
