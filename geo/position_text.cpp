#include "geo/position_text.h"

#include "geo/errors.h"
#include "geo/shown_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

namespace geo {
namespace {

std::vector<std::string> Words(std::string_view text)
{
    std::istringstream in(EightBitText(text));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool Decimal(const std::string& word, double& value)
{
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool Entry(const std::string& text, const std::string& letter, bool isLongitude, double& value, std::string& why)
{
    const char positive = isLongitude ? 'E' : 'N', negative = isLongitude ? 'W' : 'S';
    const std::string what = isLongitude ? "longitude" : "latitude";
    AngleFormat format{};
    if (!FormatOfEntry(text, isLongitude, format)) {
        why = "the " + what + " '" + ShownText(text) + "' is not in a layout of DM.dd, DMS or DMS.sss";
        return false;
    }
    if (letter.size() != 1 || (std::toupper(static_cast<unsigned char>(letter[0])) != positive &&
                               std::toupper(static_cast<unsigned char>(letter[0])) != negative)) {
        why = "the " + what + " needs its letter " + positive + " or " + negative;
        return false;
    }
    std::string message;
    value = 0;
    try {
        ParseCoordinate(isLongitude, text, format, value, message);
    } catch (const ConvertError& e) {
        message = e.what();
    }
    if (!message.empty()) {
        why = "the " + what + " '" + Utf8Text(text) + "': " + message;
        return false;
    }
    if (std::toupper(static_cast<unsigned char>(letter[0])) == negative)
        value = -value;
    return true;
}

} // namespace

std::string Utf8Text(const std::string& latin1)
{
    std::string out;
    for (const char c : latin1)
        out += c == DegreeSign ? std::string("\xC2\xB0") : std::string(1, c);
    return out;
}

std::string EightBitText(std::string_view utf8)
{
    constexpr std::string_view Utf8Degree = "\xC2\xB0";
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.substr(i, Utf8Degree.size()) == Utf8Degree) {
            out += DegreeSign;
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

std::string DecimalText(double value, int decimals)
{
    std::array<char, 512> buffer{}; // fixed notation of any double
    // The shortest digits that read back, as plain decimals for every
    // figure a navigator meets (2000000, not 2e+06); exponents only for
    // the very small and the very large.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
    const auto result = decimals >= 0 ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                      std::chars_format::fixed, decimals)
                        : plain ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed)
                                : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    // A value that rounds to zero is no negative number: no "-0.000000".
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

bool FormatOfEntry(const std::string& text, bool isLongitude, AngleFormat& format)
{
    for (const AngleFormat f : {AngleFormat::DMdd, AngleFormat::DMS, AngleFormat::DMSsss}) {
        const std::string layout = AngleLayout(f, isLongitude);
        if (text.size() == layout.size() &&
            std::ranges::equal(text, layout, [](char t, char l) { return l == '#' ? (t >= '0' && t <= '9') || t == ' ' : t == l; })) {
            format = f;
            return true;
        }
    }
    return false;
}

bool ReadPosition(std::string_view text, double& lat, double& lon, std::string& why)
{
    const std::vector<std::string> words = Words(text);
    if (words.size() == 2) {
        double a = 0, b = 0;
        if (!Decimal(words[0], a) || !Decimal(words[1], b)) {
            why = "'" + ShownText(text) + "' is not a latitude and a longitude in decimal degrees";
            return false;
        }
        if (std::fabs(a) > 90 || std::fabs(b) > 180) {
            why = "'" + ShownText(text) + "' is off the globe (latitude -90..90, longitude -180..180)";
            return false;
        }
        lat = a;
        lon = b;
        return true;
    }
    if (words.size() == 4)
        return Entry(words[0], words[1], false, lat, why) && Entry(words[2], words[3], true, lon, why);
    why = "'" + ShownText(text) + "' is not a position: write \"50.5125 -4.25\" or \"50\xC2\xB0" "30'75 N 004\xC2\xB0" "15'00 W\"";
    return false;
}

} // namespace geo
