#include "legplot/core/gpx_route.h"

#include "legplot/core/sailed_tracks.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace legplot {
namespace {

constexpr std::size_t LeastDecimals = 7;

// The shortest decimal that reads back as the same double, so that a
// reader computes the window's own texts from it; at least 7 decimals.
// Locale-independent: the program runs under the user's LC_NUMERIC.
std::string Decimal(double degrees)
{
    if (degrees == 0)
        degrees = 0; // no "-0"
    std::array<char, 512> buffer{}; // fixed notation of the smallest double
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees, std::chars_format::fixed);
    std::string text(buffer.data(), result.ptr);
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    if (text.size() - point - 1 < LeastDecimals)
        text.append(LeastDecimals - (text.size() - point - 1), '0');
    return text;
}

std::string IsoTime(DayNumber day, std::int32_t seconds)
{
    const std::string date = DateText(day, '-'); // dd-mm-yyyy
    const auto two = [](std::int32_t n) { return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; };
    return date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2) + "T" + two(seconds / 3600) + ":" +
           two(seconds / 60 % 60) + ":" + two(seconds % 60) + "Z";
}

std::string Point(double lat, double lon, DayNumber day, std::int32_t seconds, const std::string& name)
{
    return "    <rtept lat=\"" + Decimal(lat) + "\" lon=\"" + Decimal(std::remainder(lon, 360.0)) + "\">\n" +
           "      <time>" + IsoTime(day, seconds) + "</time>\n" + "      <name>" + name + "</name>\n" +
           "    </rtept>\n";
}

} // namespace

std::string GpxRoute(const VoyagePlan& plan)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"VORLAN legplot\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
                      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
    for (const Track& track : SailedTracks(plan)) {
        // A track from 0°, 0° starts at the empty leg's end: that point
        // bears its name, as the window shows its figures.
        const std::string name = track.FromOrigin ? "Dead reckoning from 0\xC2\xB0, 0\xC2\xB0 (leg " +
                                                        std::to_string(track.Points.at(1).Leg) + " on)"
                                                  : "Dead reckoning";
        out += "  <rte>\n    <name>" + name + "</name>\n";
        for (const TrackPoint& p : track.Points)
            out += Point(p.Lat, p.Lon, p.Day, p.Seconds, p.Leg == 0 ? "Start" : "Leg " + std::to_string(p.Leg));
        out += "  </rte>\n";
    }
    return out + "</gpx>\n";
}

} // namespace legplot
