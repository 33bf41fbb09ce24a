#include "geo/ellipsoids.h"

#include "geo/errors.h"

namespace geo {

Ellipsoid EllipsoidAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Ellipsoids.size())
        throw RangeError();
    return Ellipsoids[static_cast<std::size_t>(index)];
}

} // namespace geo
