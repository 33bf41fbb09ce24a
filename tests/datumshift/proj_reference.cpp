#include "proj_reference.h"

#include "program_output.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace proj_reference {
namespace {

using testsupport::ProgramOutput;

constexpr double HalfBox = 1e-7; // degrees: the area of interest around a position

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Point ReadPoint(const std::string& text)
{
    Point p;
    std::istringstream(text) >> p.lat >> p.lon >> p.height;
    return p;
}

// The area of interest around a case, for PROJ's programs:
// "west,south,east,north", degrees east of Greenwich.
std::string Box(const Case& c)
{
    const double lon = c.lon + c.meridian;
    return Decimal(lon - HalfBox) + "," + Decimal(c.lat - HalfBox) + "," + Decimal(lon + HalfBox) + "," +
           Decimal(std::min(c.lat + HalfBox, 90.0));
}

Point Cs2csPoint(const Case& c)
{
    return ReadPoint(ProgramOutput("echo '" + Decimal(c.lat) + " " + Decimal(c.lon) + " " + Decimal(c.height) +
                                   "' | cs2cs -f %.10f --bbox " + Box(c) + " " + Epsg(c.from) + " " + Epsg(c.to)));
}

Operation ProjinfoFirst(const Case& c, const char* gridCheck)
{
    const auto lines = Lines(ProgramOutput("projinfo -s " + Epsg(c.from) + " -t " + Epsg(c.to) +
                                           " --spatial-test intersects --bbox " + Box(c) + " --grid-check " + gridCheck +
                                           " --summary 2>/dev/null"));
    if (lines.size() < 2)
        return {};
    const std::string& line = lines[1];
    const auto comma = line.find(", ");
    std::string code = line.substr(0, comma);
    for (const char* mark : {"INVERSE(", "DERIVED_FROM(", ")"})
        for (auto at = code.find(mark); at != std::string::npos; at = code.find(mark))
            code.erase(at, std::string_view(mark).size());
    const auto nameEnd = line.find(", ", comma + 2);
    return {code == "unknown id" ? "" : code, line.substr(comma + 2, nameEnd - comma - 2)};
}

} // namespace

std::string Epsg(int code) { return "EPSG:" + std::to_string(code); }

std::string Decimal(double value)
{
    std::ostringstream text;
    text.precision(12);
    text << value;
    return text.str();
}

double MetresApart(const Point& a, double lat, double lon)
{
    double s12 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(a.lat, a.lon, lat, lon, s12);
    return s12;
}

std::vector<Reference> References(const std::vector<Case>& cases)
{
    std::string input;
    for (const Case& c : cases)
        input += Epsg(c.from) + " " + Epsg(c.to) + " " + Decimal(c.lat) + " " + Decimal(c.lon) + " " +
                 Decimal(c.height) + " " + Box(c) + "\\n";
    const auto pyproj = Lines(ProgramOutput("printf '%b' '" + input + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                            "/tests/datumshift/pyproj_choices.py"));
    if (pyproj.size() != cases.size())
        throw std::runtime_error("pyproj answered " + std::to_string(pyproj.size()) + " of " +
                                 std::to_string(cases.size()) + " positions");
    std::vector<Reference> references;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        Reference r;
        r.cs2cs = Cs2csPoint(c);
        std::istringstream fields(pyproj[i]);
        std::string moved, bestAvailable, ellipsoid;
        std::getline(fields, moved, '\t');
        std::getline(fields, bestAvailable, '\t');
        std::getline(fields, r.pyprojBetter, '\t');
        std::getline(fields, ellipsoid);
        r.pyproj = ReadPoint(moved);
        r.bestAvailable = bestAvailable == "1";
        std::istringstream(ellipsoid) >> r.semiMajorAxis >> r.inverseFlattening;
        r.used = ProjinfoFirst(c, "discard_missing");
        if (!r.bestAvailable)
            r.best = ProjinfoFirst(c, "none");
        references.push_back(std::move(r));
    }
    return references;
}

} // namespace proj_reference
