#include "rangebear/core/command_line.h"

#include "geo/ellipsoids.h"
#include "geo/position_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace rangebear {
namespace {

constexpr std::array<std::string_view, 3> FormatNames = {"DM.dd", "DMS", "DMS.sss"};
constexpr char Usage[] = "usage: rangebear [--ellipsoid NAME] [--json] [--format DM.dd|DMS|DMS.sss] FROM TO\n";

std::string Json(const RangeBearing& r)
{
    const auto course = [&r](double c) { return r.SamePoint ? std::string("null") : geo::DecimalText(c); };
    return "{\"rhumb_course_deg\": " + course(r.RhumbCourse) + ", \"rhumb_distance_m\": " + geo::DecimalText(r.RhumbDistance) +
           ", \"geodesic_distance_m\": " + geo::DecimalText(r.GeodesicDistance) + ", \"initial_course_deg\": " +
           course(r.InitialCourse) + ", \"final_course_deg\": " + course(r.FinalCourse) +
           ", \"geodesic_unique\": " + (r.NotUnique ? "false" : "true") + "}\n";
}

} // namespace

std::string CourseText(geo::AngleFormat format, double course)
{
    // The longitude layout holds three digits of degrees; the back half of
    // the circle is the front half plus 180, carried round to 000.
    const bool back = course >= 180;
    std::string text = geo::FormatAngle(format, true, back ? course - 180 : course);
    text = text.substr(0, text.rfind(' '));
    if (text.size() < 3 || !std::all_of(text.begin(), text.begin() + 3, [](char c) { return c >= '0' && c <= '9'; }))
        return text;
    int degrees = (text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[2] - '0') + (back ? 180 : 0);
    if (degrees >= 360)
        degrees -= 360;
    text[0] = static_cast<char>('0' + degrees / 100);
    text[1] = static_cast<char>('0' + degrees / 10 % 10);
    text[2] = static_cast<char>('0' + degrees % 10);
    return text;
}

std::vector<ResultText> ResultTexts(const RangeBearing& r, geo::AngleFormat format)
{
    const auto course = [&](double c, bool geodesic) {
        if (r.SamePoint)
            return std::string("not defined (the same position)");
        return CourseText(format, c) + (geodesic && r.NotUnique ? " (not unique: opposite points)" : "");
    };
    const auto miles = [](double m) { return geo::DecimalText(m / MetresPerNauticalMile, 2) + " nm"; };
    const auto metres = [](double m) { return geo::DecimalText(m, 3) + " m"; };
    return {
        {"Rhumb line course", course(r.RhumbCourse, false)},
        {"Rhumb line distance", miles(r.RhumbDistance)},
        {"Rhumb line distance in metres", metres(r.RhumbDistance)},
        {"Geodesic distance", miles(r.GeodesicDistance)},
        {"Geodesic distance in metres", metres(r.GeodesicDistance)},
        {"Initial course", course(r.InitialCourse, true)},
        {"Final course", course(r.FinalCourse, true)},
    };
}

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    std::string ellipsoidName = "WGS 84";
    geo::AngleFormat format = geo::AngleFormat::DMdd;
    bool json = false;
    std::vector<std::string> positions;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--json") {
            json = true;
        } else if ((a == "--ellipsoid" || a == "--format") && i + 1 < arguments.size()) {
            const std::string& value = arguments[++i];
            if (a == "--ellipsoid") {
                ellipsoidName = value;
            } else {
                const auto found = std::ranges::find(FormatNames, value);
                if (found == FormatNames.end()) {
                    err = "rangebear: unknown format '" + value + "'\n" + Usage;
                    return 2;
                }
                format = static_cast<geo::AngleFormat>(found - FormatNames.begin());
            }
        } else if (a.starts_with("--")) {
            err = "rangebear: unknown option '" + a + "'\n" + Usage;
            return 2;
        } else {
            positions.push_back(a);
        }
    }
    const auto known = std::ranges::find(geo::EllipsoidNames, ellipsoidName);
    if (known == geo::EllipsoidNames.end()) {
        err = "rangebear: unknown ellipsoid '" + ellipsoidName + "'\n";
        return 2;
    }
    if (positions.size() != 2) {
        err = Usage;
        return 2;
    }
    double lat1 = 0, lon1 = 0, lat2 = 0, lon2 = 0;
    std::string why;
    if (!geo::ReadPosition(positions[0], lat1, lon1, why) || !geo::ReadPosition(positions[1], lat2, lon2, why)) {
        err = "rangebear: " + geo::Utf8Text(why) + "\n";
        return 2;
    }
    const RangeBearing r =
        Solve(geo::EllipsoidAt(static_cast<int>(known - geo::EllipsoidNames.begin())), lat1, lon1, lat2, lon2);
    if (json) {
        out = Json(r);
    } else {
        out.clear();
        for (const ResultText& line : ResultTexts(r, format))
            out += line.Name + ": " + geo::Utf8Text(line.Value) + "\n";
    }
    return 0;
}

} // namespace rangebear
