// Geographic coordinate reference systems of the EPSG database, found by
// code ("EPSG:4230", "4230") or by name ("ED50", "ed50", or an alias
// EPSG lists such as "OSGB 1936"), and what they are.
//
// A name is matched whole and without regard to case, as PROJ matches it:
// a CRS's own name before its aliases, current entries before deprecated
// ones. A name that fits a 2D and a 3D CRS (the 3D one carries the
// ellipsoidal height: "WGS 84" is EPSG:4326 and EPSG:4979) means the 2D
// one; the 3D one is reached by its code. A name that still fits several
// is refused with each of them and its code.
#pragma once

#include "datumshift/core/proj_handles.h"

#include <string>
#include <string_view>

namespace datumshift {

// The longest text taken as a CRS's code or name.
inline constexpr std::size_t MaxCrsTextLength = 200;

// Where a CRS or an operation may be used, as EPSG states it: its name
// and its bounding box in degrees (latitudes north, longitudes east of
// Greenwich). A box whose West is greater than its East crosses 180°.
struct AreaOfUse {
    std::string Name; // "" where none is stated (the box is then the world)
    double West = -180, South = -90, East = 180, North = 90;

    // Whether the box holds a position (degrees; any longitude, read
    // modulo 360; edges included).
    bool Contains(double latitude, double longitude) const;
};

// The area of use of a CRS or an operation; the world where none is stated.
AreaOfUse AreaOf(PJ_CONTEXT* context, const PJ* object);

// The database entry of a CRS, an ellipsoid or an operation, "EPSG:4230",
// also for an operation PROJ inverts or derives from one (another name for
// its grid); "" for an object PROJ made itself.
std::string CodeOf(const PJ* object);

struct CrsDescription {
    std::string Name;          // PROJ's name: "ED50"
    std::string Code;          // "EPSG:4230"
    bool ThreeD = false;       // a geographic 3D CRS: latitude, longitude, ellipsoidal height
    std::string Ellipsoid;     // "International 1924"
    std::string EllipsoidCode; // "EPSG:7022", or "" where the database gives none
    double SemiMajorAxis = 0;  // metres
    double Flattening = 0;     // 0 for a sphere
    double PrimeMeridian = 0;  // degrees east of Greenwich (Paris is 2.33722917)
    AreaOfUse Area;
};

// A CRS found in the database, ready to take and give positions.
//
// Positions are latitude and longitude in degrees (north and east
// positive), the longitude counted from the CRS's own prime meridian, and
// the ellipsoidal height in metres; the CRS's own axis order and units
// (a few use grads) are this class's business.
class GeographicCrs {
public:
    // `crs` must be a geographic 2D or 3D CRS whose axes are latitude and
    // longitude; throws DatumError otherwise.
    GeographicCrs(PJ_CONTEXT* context, Object crs);

    const PJ* Pj() const { return Crs.get(); }
    const CrsDescription& Description() const { return Describe; }

    // A position in the CRS's own coordinates (the height is ignored by a
    // 2D CRS), and back.
    PJ_COORD ToOwn(double latitude, double longitude, double height) const;
    void FromOwn(const PJ_COORD& own, double& latitude, double& longitude, double& height) const;

    // The same CRS without its height axis (itself when it is 2D).
    GeographicCrs TwoD(PJ_CONTEXT* context) const;

private:
    struct Axis {
        int Index = 0;       // position among the CRS's coordinates
        double Factor = 1;   // SI units (radians, metres) per unit of the axis
        bool Degrees = true; // an angle in degrees: taken as it is
    };
    Object Crs;
    CrsDescription Describe;
    Axis Latitude, Longitude, Height;
};

// The geographic CRS `text` names; throws DatumError naming the text and
// why: not in the database, not geographic, fits several names.
GeographicCrs FindCrs(PJ_CONTEXT* context, std::string_view text);

} // namespace datumshift
