// Writing routes as GPX 1.1 files.
#pragma once

#include "wayline/files/gpx_document.h"

#include <QByteArray>

#include <vector>

namespace wayline {

// The whole GPX 1.1 file (UTF-8) of `routes`, to be written whole or not
// at all (platform::WriteWholeFile). Each route as <rte>: its name, what
// it kept, the route's planned speed and departure as OpenCPN's extensions
// (a kept planned_speed, planned_departure or rte_properties is updated in
// place; its text stays as it was where its value did not change), and
// every point with its lat and lon (the shortest decimals that read back
// as the same doubles; longitudes brought into -180..180), its time (to
// the millisecond, in UTC with "Z"), its name and what it kept; a leg's
// own speed and, unless it is a rhumb line, its kind at the point it
// ends. Names and texts are escaped; nothing kept is run or expanded.
// Throws RouteError for a route CheckRoute refuses and for a time beyond
// the years 1 to 9999.
QByteArray WriteGpx(const std::vector<GpxRoute>& routes);

} // namespace wayline
