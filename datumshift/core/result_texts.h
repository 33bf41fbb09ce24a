// A datum shift as the window and the command line show it: one line a
// result, its name and its text, in UTF-8 (PROJ's names are UTF-8; the
// positions' degree signs are written as UTF-8 too).
#pragma once

#include "datumshift/core/datum_shift.h"
#include "geo/angle_text.h"

#include <string>
#include <utility>
#include <vector>

namespace datumshift {

using ResultLines = std::vector<std::pair<std::string, std::string>>;

// Decimals of the results in decimal degrees: 1e-8 degree is 1.1 mm of
// latitude, below the millimetre the transformations are held to.
inline constexpr int DegreeDecimals = 8;
// Decimals of the shift in metres: the millimetre.
inline constexpr int MetreDecimals = 3;

// What the user must know beyond the figures, as sentences joined by ". ":
// the position outside an area of use, a ballpark transformation (the
// datums taken as one), a fallback with the better transformation and the
// grid it lacks. "" when there is nothing to say.
std::string NoteText(const DatumShift& shift);

// The results in the order shown:
//   "To latitude", "To longitude"    the position found, in `format` with its letter
//   "To latitude in degrees",        signed decimal degrees, DegreeDecimals decimals,
//   "To longitude in degrees"        the longitude within -180..180
//   "Shift"                          metres, MetreDecimals decimals ("12.345 m")
//   "Shift direction"                the course from the position given to the one
//                                    found, true, in `format`; "none (no shift)"
//   "Transformation"                 its name and EPSG code
//   "Method"                         EPSG's method, steps joined by " + "
//   "Accuracy"                       "2 m", or "not stated"
//   "Note"                           NoteText, "" for none
ResultLines ResultTexts(const DatumShift& shift, geo::AngleFormat format);

// The names of ResultTexts' lines, in their order.
std::vector<std::string> ResultNames();

// The longitude of a position shown: -180..180 (180 itself kept).
double ShownLongitude(double longitude);

} // namespace datumshift
