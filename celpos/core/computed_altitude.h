// The computed altitude and azimuth of a body seen from a position: what
// sight reduction compares the observed altitude with, and what planning
// lists. Shared by the position fix and the planning of sights.
//
// Conventions: the Earth a sphere for the celestial triangle (the
// geodetic latitude taken as the astronomical one, as the sight reduction
// tables do); geocentric altitudes, no refraction; hour angles westward;
// azimuths from true north through east. Angles in degrees.
#pragma once

namespace celpos {

struct HorizonPlace {
    double LhaDeg; // local hour angle, GHA + longitude, [0, 360)
    double HcDeg;  // computed altitude, -90..90
    double ZnDeg;  // true azimuth, [0, 360); 0 where the body stands at the zenith or the observer at a pole
};

// The place of a body at Greenwich hour angle `ghaDeg` and declination
// `decDeg` seen from latitude `latDeg` (-90..90) and longitude `lonDeg`
// (east positive): sin Hc = sin lat sin dec + cos lat cos dec cos LHA,
// with Hc and Zn taken by atan2 so that neither loses digits near the
// zenith or the horizon. At a pole the azimuth is that of the meridian
// the longitude names. NaN in, NaN out.
HorizonPlace ComputedPlace(double latDeg, double lonDeg, double ghaDeg, double decDeg);

// The intercept (nautical miles, positive toward the body) of an observed
// altitude `hoDeg` against a computed one `hcDeg`: Ho - Hc in arc-minutes.
double Intercept(double hoDeg, double hcDeg);

// `degrees` brought into [0, 360).
double FullCircle(double degrees);

} // namespace celpos
