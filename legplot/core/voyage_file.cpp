#include "legplot/core/voyage_file.h"

#include "geo/ellipsoids.h"
#include "geo/position_text.h"
#include "legplot/core/calendar.h"
#include "legplot/core/time_text.h"

#include <algorithm>
#include <map>
#include <utility>

namespace legplot {
namespace {

constexpr std::string_view Signature = "VORLAN voyage ";
constexpr std::array<std::string_view, 3> FormatNames = {"DM.dd", "DMS", "DMS.sss"};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF"; // which some editors write first
constexpr std::string_view Blanks = " \t";                    // around keys and values
constexpr char32_t DegreeCodePoint = 0xB0;

// `value` in upper-case hexadecimal, at least `digits` long.
std::string Hex(char32_t value, std::size_t digits)
{
    constexpr std::string_view HexDigits = "0123456789ABCDEF";
    std::string text;
    for (char32_t rest = value; rest != 0 || text.size() < digits; rest >>= 4)
        text.insert(text.begin(), HexDigits[rest & 0xF]);
    return text;
}

// What is wrong at a place of a line; columns count characters from 1.
VoyageFileError AtColumn(int line, std::size_t column, const std::string& what)
{
    return VoyageFileError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
}

// A character a voyage does not hold, named as Unicode names it.
VoyageFileError StrayCharacter(int line, std::size_t column, char32_t c)
{
    return AtColumn(line, column, "it holds the character U+" + Hex(c, 4) + ", which is not part of a voyage");
}

// The UTF-8 sequence at the front of `text`: its code point and length, or
// a length of 0 where the bytes are not UTF-8 (overlong forms, surrogates
// and values beyond U+10FFFF included).
std::pair<char32_t, std::size_t> NextCodePoint(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return {0, 0};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

// One line as 8-bit text, a byte a character, so that a byte's index is
// its column less one. Only the degree sign is not ASCII in a voyage, and
// tabs stand only around keys and values; anything else is no text this
// program wrote, and is named by its column.
std::string FromUtf8(std::string_view text, int line)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t column = out.size() + 1;
        const auto [c, length] = NextCodePoint(text.substr(i));
        if (length == 0)
            throw AtColumn(line, column, "it holds the byte 0x" + Hex(static_cast<unsigned char>(text[i]), 2) +
                                             ", which is not UTF-8 text");
        if (!(c == '\t' || (c >= 0x20 && c < 0x7F) || c == DegreeCodePoint))
            throw StrayCharacter(line, column, c);
        out += c == DegreeCodePoint ? geo::DegreeSign : static_cast<char>(c);
        i += length;
    }
    return out;
}

// `text` without the blanks and tabs around it.
std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(Blanks) + 1 - first));
}

// A tab left inside a key or a value, which starts at `column`.
void RefuseTab(const std::string& text, std::size_t column, int line)
{
    if (const std::size_t tab = text.find('\t'); tab != std::string::npos)
        throw StrayCharacter(line, column + tab, U'\t');
}

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

[[noreturn]] void Refuse(int line, const std::string& what)
{
    throw VoyageFileError("line " + std::to_string(line) + ": " + what);
}

struct Value {
    std::string Text;
    int Line;
};

StartEntry ReadStart(const Value& v, bool isLongitude)
{
    const std::string& key = isLongitude ? "start-longitude" : "start-latitude";
    const char positive = isLongitude ? 'E' : 'N';
    const char negative = isLongitude ? 'W' : 'S';
    const std::size_t blank = v.Text.rfind(' ');
    StartEntry entry;
    const std::string letter = blank == std::string::npos ? std::string() : v.Text.substr(blank + 1);
    if (letter != std::string(1, positive) && letter != std::string(1, negative))
        Refuse(v.Line, key + " does not end in " + positive + " or " + negative);
    entry.Text = v.Text.substr(0, blank);
    entry.Negative = letter[0] == negative;
    if (entry.Text.find(' ') != std::string::npos || !geo::FormatOfEntry(entry.Text, isLongitude, entry.Format))
        Refuse(v.Line, key + " is not a position in one of the layouts DM.dd, DMS, DMS.sss");
    double value = 0;
    std::string message;
    if (isLongitude)
        geo::ParseLongitude(entry.Text, entry.Format, value, message);
    else
        geo::ParseLatitude(entry.Text, entry.Format, value, message);
    if (!message.empty())
        Refuse(v.Line, key + " is out of range (" + message + ")");
    return entry;
}

// The interval field takes digits, minus signs and points; it stores only
// what reads as hours and minutes ("-0:30" does, "-1:00" does not).
std::string ReadInterval(const Value& v, const std::string& key)
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
    Refuse(v.Line, key + " '" + v.Text + "' is not an interval hh:mm");
}

std::string ReadChoice(const Value& v, const std::string& key, bool (*known)(const std::string&))
{
    if (!known(v.Text))
        Refuse(v.Line, key + " '" + v.Text + "' is not known here");
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

// The first line names the format and its version; looked at before
// anything else, so that a file of another kind (a picture, a text in
// UTF-16) is refused as such.
void ReadSignature(std::string_view text, int& version)
{
    std::string_view first = text.substr(0, text.find('\n'));
    if (!first.empty() && first.back() == '\r')
        first.remove_suffix(1);
    const std::string_view number = first.substr(std::min(first.size(), Signature.size()));
    if (!first.starts_with(Signature) || number.empty() || number.size() > 4 || !std::ranges::all_of(number, IsDigit))
        throw VoyageFileError("it is not a voyage file (its first line is not \"VORLAN voyage\" and a version)");
    version = std::stoi(std::string(number));
    if (version != VoyageFileVersion)
        throw VoyageFileError("it was written in version " + std::to_string(version) +
                              " of the voyage format; this program reads version " +
                              std::to_string(VoyageFileVersion));
}

// The lines "key = value", each key once, with the line it stands on.
std::map<std::string, Value> ReadLines(std::string_view text, int& version)
{
    if (text.size() > LargestVoyageFile)
        throw VoyageFileError("it is larger than any voyage file (" + std::to_string(LargestVoyageFile) +
                              " bytes at most)");
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    if (text.empty())
        throw VoyageFileError("it is empty");
    ReadSignature(text, version);
    if (text.back() != '\n')
        throw VoyageFileError("it is truncated: its last line has no end");
    std::map<std::string, Value> values;
    int line = 1;
    std::size_t at = text.find('\n') + 1;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        std::string_view raw = text.substr(at, end - at);
        at = end + 1;
        ++line;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string s = FromUtf8(raw, line);
        const std::size_t first = s.find_first_not_of(Blanks);
        if (first == std::string::npos || s[first] == '#')
            continue;
        const std::size_t equals = s.find('=');
        if (equals == std::string::npos)
            Refuse(line, "it is not \"key = value\"");
        const std::string key = Trimmed(std::string_view(s).substr(0, equals));
        const std::size_t valueAt = s.find_first_not_of(Blanks, equals + 1);
        const std::string value = Trimmed(std::string_view(s).substr(equals + 1));
        RefuseTab(key, first + 1, line);
        RefuseTab(value, valueAt + 1, line);
        if (values.contains(key))
            Refuse(line, "the key " + key + " appears a second time");
        values[key] = {value, line};
    }
    return values;
}

} // namespace

std::string WriteVoyageFile(const VoyageEntries& e)
{
    const auto start = [](const StartEntry& s, char positive, char negative) {
        return geo::Utf8Text(s.Text) + ' ' + (s.Negative ? negative : positive);
    };
    std::string out = std::string(Signature) + std::to_string(VoyageFileVersion) + "\n";
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
    int version = 0;
    std::map<std::string, Value> values = ReadLines(text, version);
    const auto take = [&values](const std::string& key) {
        const auto found = values.find(key);
        if (found == values.end())
            throw VoyageFileError("it is truncated or damaged: the key " + key + " is missing");
        Value v = found->second;
        values.erase(found);
        return v;
    };
    // A value that is a text of the field's layout, as the field stores it.
    const auto field = [&take](const std::string& key, std::string_view pattern, bool mayBeEmpty) {
        Value v = take(key);
        if (!(mayBeEmpty && v.Text.empty()) && !Fits(v.Text, pattern))
            Refuse(v.Line, key + " '" + v.Text + "' is not a number of the layout " + std::string(pattern));
        return v;
    };

    VoyageEntries e;
    e.Latitude = ReadStart(take("start-latitude"), false);
    e.Longitude = ReadStart(take("start-longitude"), true);

    const Value date = field("departure-date", "9999-99-99", false);
    e.Year = std::stoi(date.Text.substr(0, 4));
    e.Month = std::stoi(date.Text.substr(5, 2));
    e.Day = std::stoi(date.Text.substr(8, 2));
    if (DayNumberOf(e.Year, e.Month, e.Day) == NoDate)
        Refuse(date.Line, "departure-date " + date.Text + " is not a date from 1600-01-01 to 3999-12-31");

    const Value time = field("departure-time", "99:99", false);
    if (std::stoi(time.Text.substr(0, 2)) > 23 || std::stoi(time.Text.substr(3, 2)) > 59)
        Refuse(time.Line, "departure-time " + time.Text + " is not a time of day");
    e.DepartureTime = time.Text;

    e.Ellipsoid = ReadChoice(take("ellipsoid"), "ellipsoid", IsEllipsoidName);
    const std::string display = ReadChoice(take("display"), "display", IsFormatName);
    e.Display = static_cast<geo::AngleFormat>(std::ranges::find(FormatNames, display) - FormatNames.begin());

    for (int k = 1; k <= static_cast<int>(e.Legs.size()); ++k) {
        LegEntries& leg = e.Legs[static_cast<std::size_t>(k - 1)];
        leg.Course = field(LegKey(k, "course"), "999.9", true).Text;
        leg.Speed = field(LegKey(k, "speed"), "99.9", true).Text;
        leg.Interval = ReadInterval(take(LegKey(k, "interval")), LegKey(k, "interval"));
    }
    if (!values.empty())
        Refuse(values.begin()->second.Line, "the key " + values.begin()->first + " is not a key of a voyage");
    return e;
}

} // namespace legplot
