// The Mercator chart's geometry: positions to the plane and to pixels, the
// view that fits a voyage, the graticule's spacing and the scale bar.
//
// The plane is the ellipsoid's Mercator: x = a lambda, y = a psi(phi), psi
// the isometric latitude the dead-reckoning computation sails by, so that
// a rhumb line is a straight line. Latitudes beyond UsefulLatitude are held
// there: the plane runs to infinity at the poles.
#pragma once

#include "geo/ellipsoids.h"

#include <vector>

namespace chart {

inline constexpr double UsefulLatitude = 85.0; // degrees

struct PlanePoint {
    double X = 0; // metres along the equator
    double Y = 0; // metres of the isometric latitude, north positive
};

PlanePoint Project(const geo::Ellipsoid& ellipsoid, double latDegrees, double lonDegrees);

// What a chart window shows: the plane point at its centre and the plane's
// metres per pixel, in a widget of Width x Height pixels.
struct View {
    PlanePoint Centre;
    double MetresPerPixel = 1;
    double Width = 1;
    double Height = 1;

    // Pixels from the widget's top left corner; y down.
    double PixelX(double x) const { return Width / 2 + (x - Centre.X) / MetresPerPixel; }
    double PixelY(double y) const { return Height / 2 - (y - Centre.Y) / MetresPerPixel; }
    double PlaneX(double px) const { return Centre.X + (px - Width / 2) * MetresPerPixel; }
    double PlaneY(double py) const { return Centre.Y - (py - Height / 2) * MetresPerPixel; }
};

// The bounds of every point with a margin of `marginPixels` on each side,
// at FinestScale at most (points a few metres apart); a single point is
// centred at OnePointScale.
View FitView(const std::vector<PlanePoint>& points, double width, double height, double marginPixels);

// The zoom's bounds: a metre per pixel at the finest (on the equator's
// scale), the whole world across the widget at the coarsest.
inline constexpr double FinestScale = 0.25;
inline constexpr double OnePointScale = 2000;
double CoarsestScale(const geo::Ellipsoid& ellipsoid, double width);

// The graticule's step in minutes of arc: the smallest of 30°, 10°, 5°, 2°,
// 1°, 30', 10', 5', 1' whose lines are at least `minimumPixels` apart.
int GraticuleStepMinutes(const geo::Ellipsoid& ellipsoid, double metresPerPixel, double minimumPixels);

// The scale bar at a latitude: a round number of nautical miles (1, 2 or 5
// times a power of ten) that is at most `maximumPixels` long, and its length.
struct ScaleBar {
    double NauticalMiles = 0;
    double Pixels = 0;
};
ScaleBar ScaleBarAt(const geo::Ellipsoid& ellipsoid, double latDegrees, double metresPerPixel, double maximumPixels);

// The latitude of plane ordinate y (inverse of Project), in degrees.
double LatitudeOf(const geo::Ellipsoid& ellipsoid, double y);

} // namespace chart
