#include "sight_maker.h"

#include "program_output.h"
#include "timezones/time_text.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>
#include <sstream>

namespace celpostest {

std::vector<double> SextantAltitudes(const std::vector<Observation>& observations,
                                     const celpos::SightConditions& conditions)
{
    std::ostringstream requests;
    requests.precision(17);
    for (std::size_t i = 0; i < observations.size(); ++i) {
        const Observation& o = observations[i];
        requests << i << ' ' << o.Body << ' ' << o.LatDeg << ' ' << o.LonDeg << ' ' << o.Utc << '\n';
    }
    std::string quoted; // the requests in single quotes, each quote of a name ("Al Na'ir") closed and reopened
    for (const char c : requests.str())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    std::istringstream answers(testsupport::ProgramOutput("printf '%s' '" + quoted + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                                          "/tests/celpos/pyephem_altitudes.py"));
    std::vector<double> hs(observations.size(), NAN);
    std::size_t id = 0;
    double altitude = 0, radius = 0;
    while (answers >> id >> altitude >> radius) {
        const Observation& o = observations.at(id);
        const double side = o.LimbTaken == celpos::Limb::Lower ? -1 : o.LimbTaken == celpos::Limb::Upper ? 1 : 0;
        const double limb = altitude + side * radius; // true topocentric altitude of the limb
        double ha = limb;
        for (int step = 0; step < 20; ++step) // Ha - R(Ha) = the limb's true altitude
            ha = limb + celpos::RefractionArcmin(ha, conditions.TemperatureC, conditions.PressureHpa) / 60;
        hs[id] = ha + (conditions.IndexErrorArcmin + celpos::DipArcmin(conditions.HeightOfEyeM)) / 60;
    }
    return hs;
}

void RhumbFrom(double latDeg, double lonDeg, double courseDeg, double distanceNm, double& lat2, double& lon2)
{
    GeographicLib::Rhumb(GeographicLib::Constants::WGS84_a(), GeographicLib::Constants::WGS84_f())
        .Direct(latDeg, lonDeg, courseDeg, distanceNm * 1852, lat2, lon2);
}

double MilesApart(double lat1, double lon1, double lat2, double lon2)
{
    double s12 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, s12);
    return s12 / 1852;
}

double Utc(const char* iso)
{
    return timezones::ParseInstant(iso);
}

} // namespace celpostest
