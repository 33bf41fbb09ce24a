// Reading routes from GPX files without trusting them.
#pragma once

#include "wayline/files/gpx_document.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace wayline {

// The routes of the file `bytes` (named `fileName` in messages: give the
// name the user knows it by). Refuses it, throwing GpxError with the
// reason, when it is larger than LargestGpxFile, is not well-formed XML,
// holds a document type declaration (so no entity is ever declared, let
// alone expanded or fetched) or an entity reference, is not GPX 1.0 or
// 1.1 (the root <gpx> in its namespace, or in none), holds more than
// LargestRoutes routes or LargestRoutePoints points in one, a name or text
// longer than LargestGpxName, a route point without lat or lon or with one
// that is not a finite decimal in range (latitude -90..90, longitude
// -180..180), a <time> or planned departure that is not an XML date and
// time, a planned speed that is not a finite number >= 0, a leg kind it
// does not know (or a parallel whose ends differ in latitude), more kept XML
// than kept_xml.h bounds; or when it holds no route ("it holds no route,
// only 2 tracks and 5 waypoints").
//
// A planned speed at a point belongs to the leg that ends there (as
// OpenCPN reckons it); one equal to the route's planned speed is the
// route's, as OpenCPN writes the route's speed at every point. The
// departure is the planned departure, or else the first point's time.
GpxDocument ReadGpx(const QByteArray& bytes, const QString& fileName);

// The route a caller opens from `document`: the first, or the one at
// `index` (from 0). Throws GpxError naming the file for an index beyond
// the routes.
const GpxRoute& ChooseRoute(const GpxDocument& document, std::optional<std::size_t> index, const QString& fileName);

} // namespace wayline
