// A position moved from one datum to another: a chart's, a map's or a
// satellite receiver's. On PROJ and its EPSG database, which choose the
// transformation; this module says which one it is, how good, and when a
// better one needs a grid this machine does not have.
//
// Positions are latitude and longitude in degrees, north and east
// positive, the longitude counted from the CRS's own prime meridian
// (Greenwich for all but a few, such as NTF (Paris)) and read modulo 360,
// reduced to -180..180 before it is moved.
//
// Heights: a transformation is 2D, latitude and longitude only (the
// height is neither read nor given), unless both CRSs are 3D; then the
// ellipsoidal height (metres above the source ellipsoid) moves with the
// position. A 3D CRS paired with a 2D one is taken in its 2D form.
//
// The shift is the geodesic from the position given to the position
// found, both read as positions on the source datum's ellipsoid (its
// axis and flattening as PROJ gives them) with longitudes from Greenwich:
// its length in metres and its direction at the start, degrees true.
#pragma once

#include "datumshift/core/crs_lookup.h"
#include "datumshift/core/operation_choice.h"
#include "datumshift/core/proj_handles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace datumshift {

struct Position {
    double Latitude = 0;  // degrees, -90..90
    double Longitude = 0; // degrees, any finite value
    double Height = 0;    // metres, read only when both CRSs are 3D
};

// What a transformation fell back to when its best needed a missing grid.
enum class FallbackRule {
    Allow,  // use the best one that runs here, and say so
    Refuse, // throw DatumError, naming both and the missing grid
};

struct DatumShift {
    CrsDescription From, To;
    double Latitude = 0, Longitude = 0;   // the position on `To`, degrees
    std::optional<double> Height;         // metres, where both CRSs are 3D
    double ShiftDistance = 0;             // metres, from the given position to the one found
    std::optional<double> ShiftDirection; // degrees true 0..360; none for no shift
    Transformation Used;
    std::optional<Transformation> Better;  // present for a fallback: the best one, which cannot run here
    std::vector<std::string> MissingGrids; // the grids the better one needs and this machine lacks
    std::optional<std::string> OutsideArea; // "The position is outside the area of use of ED50 (EPSG:4230)":
                                            // of the transformation used, or else of either CRS (for the
                                            // target, of the position found)

    bool Fallback() const { return Better.has_value(); }
};

// One PROJ context, offline (the network stays off whatever PROJ_NETWORK
// says), and the lookups and transformations made in it. Not thread-safe:
// one object for each thread that transforms.
class DatumShifter {
public:
    DatumShifter();

    // The geographic CRS a code or name gives (crs_lookup.h); throws
    // DatumError.
    CrsDescription Describe(std::string_view crs);

    // `position` of the CRS `from` on the CRS `to`, with the transformation
    // that moved it. Throws DatumError for a position off the globe (a
    // latitude beyond 90°, NaN, an infinity), a CRS not found, a fallback
    // the rule refuses, or a transformation PROJ cannot carry out there.
    DatumShift Shift(std::string_view from, std::string_view to, const Position& position,
                     FallbackRule rule = FallbackRule::Allow);

private:
    Context Pj;
};

// The fallback in words: "OSGB36 to WGS 84 (6) (EPSG:1314) is used in place
// of OSGB36 to WGS 84 (9) (EPSG:7710), which needs the grid
// uk_os_OSTN15_NTv2_OSGBtoETRS.tif that this machine does not have"; ""
// for a shift without a fallback.
std::string FallbackText(const DatumShift& shift);

// "OSGB36 to WGS 84 (6) (EPSG:1314)", or the name alone without a code.
std::string NameWithCode(const Transformation& transformation);

} // namespace datumshift
