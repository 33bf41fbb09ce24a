// Which of PROJ's operations moves a position from one datum to another:
// PROJ's best for the position, and, when that one needs a grid this
// machine does not have, the best one that runs here in its place.
//
// The candidates are PROJ's (proj_create_operations), for an area of
// interest around the position, taking every operation whose area meets
// it, direct ones first and others through an intermediate CRS only where
// no direct one exists, the ballpark offset of the two datums' origins
// allowed as a last resort; among them PROJ's suggestion for the position
// (proj_get_suggested_operation: the most accurate one whose area holds
// it). The best one is chosen with every operation counted, whether its
// grids are here or not; the one used in its place with those missing a
// grid left out. PROJ never reaches the network (OfflineContext).
#pragma once

#include "datumshift/core/crs_lookup.h"
#include "datumshift/core/proj_handles.h"

#include <optional>
#include <string>
#include <vector>

namespace datumshift {

// An operation as the user is told of it.
struct Transformation {
    std::string Name;                // "OSGB36 to WGS 84 (6)", "Inverse of ...", "Ballpark geographic offset ..."
    std::optional<std::string> Code; // "EPSG:1314", also for its inverse and for the forms PROJ derives from it
                                     // (another name for its grid); none for an operation PROJ composed itself
    std::string Method;              // EPSG's method; the steps' methods joined by " + " for a concatenated one
    std::optional<double> Accuracy;  // metres, as the database states it; none where it states none
    bool Ballpark = false;           // only the offset between the datums' origins, tens to hundreds of metres off
    AreaOfUse Area;
};

struct OperationChoice {
    Object Used;                          // the operation to run
    Transformation UsedDescription;       // and what it is
    std::optional<Transformation> Better; // the best one, when it cannot run here
    std::vector<std::string> MissingGrids; // the better one's grids this machine lacks
};

// The operations for a position of `source` (latitude and longitude in
// degrees, the longitude east of Greenwich; `own` is the position in the
// source CRS's own coordinates). Throws DatumError when PROJ knows none
// that runs here.
OperationChoice ChooseOperation(PJ_CONTEXT* context, const GeographicCrs& source, const GeographicCrs& target,
                                double latitude, double longitude, const PJ_COORD& own);

} // namespace datumshift
