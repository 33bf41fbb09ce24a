// A route a file holds, edited point by point as the window edits it:
// what each point keeps (its time, symbol, extensions) goes with it, and
// the legs stay one fewer than the points.
#pragma once

#include "wayline/files/gpx_document.h"

#include <cstddef>
#include <vector>

namespace wayline {

// Puts `point`, keeping nothing yet, at `index` (0 to the number of points;
// clamped there). A point between two splits their leg: both halves take
// its kind and speed. One before the first or after the last gets a leg of
// the kind and speed of the leg beside it (a rhumb line where that runs
// along a parallel, or where there is none).
void InsertPoint(GpxRoute& route, std::size_t index, Waypoint point);

// Takes out point `index` (nothing beyond the last): the first or the last
// takes its one leg with it; one between joins its two legs into the leg
// that led to it.
void DeletePoint(GpxRoute& route, std::size_t index);

// Swaps point `index` with the one before it (`earlier`) or after it, with
// what they keep; the legs stay in their places. Nothing at the ends.
void MovePoint(GpxRoute& route, std::size_t index, bool earlier);

// Turns every leg of kind Parallel whose ends no longer lie on one
// parallel into a rhumb line; returns those legs (from 0).
std::vector<std::size_t> RhumbWhereOffParallel(Route& route);

} // namespace wayline
