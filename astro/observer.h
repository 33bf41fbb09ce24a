// Places as an observer on the Earth sees them: topocentric right
// ascension and declination, hour angle, altitude and azimuth.
//
// Conventions:
// - The observer stands on WGS 84 (geo::DefinedEllipsoid(geo::Wgs84Index))
//   at geodetic latitude and longitude (degrees, east positive) and a
//   height in metres above the ellipsoid, taken as the sea surface: the
//   navigator's height of eye, which also gives the dip of the horizon.
// - The observer's position is turned into the true equator of date by
//   GAST alone (no polar motion, under 0.5" here); no diurnal aberration
//   (0.3" at most).
// - Altitudes are true altitudes of the centre: no refraction (see
//   horizon.h for the refraction a caller applies); azimuth from true
//   north through east, [0, 360); the hour angle westward, [0, 360).
// - Semi-diameters as seen from the observer (the Moon's augmentation).
#pragma once

#include "astro/state.h"
#include "astro/time_scales.h"
#include "astro/vector.h"

#include "astro/astro_error.h"

namespace astro {

struct Observer {
    double Latitude;  // geodetic (degrees, -90..90)
    double Longitude; // east positive (degrees)
    double Height;    // above the sea, the height of eye (metres, 0..10000)
};

// An observer off the Earth or not a number. what() is the text the user reads.
class ObserverError : public AstroError {
public:
    using AstroError::AstroError;
};

// Throws ObserverError for a latitude beyond 90 degrees, a longitude or a
// height that is not a finite number, or a height below 0 or above 10 km.
void RequireValidObserver(const Observer& observer);

struct TopocentricPlace {
    double RightAscension; // (degrees, [0, 360))
    double Declination;    // (degrees)
    double HourAngle;      // local, westward (degrees, [0, 360))
    double Altitude;       // true altitude of the centre (degrees)
    double Azimuth;        // from true north through east (degrees, [0, 360))
    double Distance;       // from the observer (km)
    double SemiDiameter;   // as seen from the observer (degrees)
};

// An observer with what every place computed for it shares, worked out
// once. Throws ObserverError as RequireValidObserver.
class Site {
public:
    explicit Site(const Observer& observer);

    const Observer& Where() const { return observer_; }

    // The apparent topocentric place of `body` at `time`.
    TopocentricPlace PlaceOf(Body body, const TimeArgument& time) const;

    // Its altitude and semi-diameter alone, as PlaceOf gives them (what the
    // searches for rising, setting and twilight ask for thousands of times,
    // without the three arc tangents of the rest).
    struct Altitude {
        double Altitude;     // true altitude of the centre (degrees)
        double SemiDiameter; // as seen from the observer (degrees)
    };
    Altitude AltitudeOf(Body body, const TimeArgument& time) const;

private:
    // The body seen from here, in the true equator of date (km), with the
    // local sidereal time (radians) and its cosine and sine.
    struct View {
        Vector U;
        double Local, C, S;
    };
    View ViewOf(Body body, const TimeArgument& time) const;

    Observer observer_;
    double axisDistance_; // from the Earth's axis (km)
    double z_;            // above the equator's plane (km)
    double sinLatitude_, cosLatitude_;
};

// Site(observer).PlaceOf(body, time).
TopocentricPlace Topocentric(Body body, const Observer& observer, const TimeArgument& time);

// The topocentric true altitude of the body's centre (degrees) at the UTC
// instant `utc` (seconds), UT1 - UTC = dut1 seconds: what a picture of the
// day draws (well under a microsecond once the ephemeris span is at hand).
double AltitudeAt(Body body, const Observer& observer, double utc, double dut1 = 0.0);

} // namespace astro
