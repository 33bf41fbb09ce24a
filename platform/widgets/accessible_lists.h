// Screen readers on Linux hear a pull-down list by its current item, as if
// that were its name ("Airy"). Lists read through this are heard by their
// name ("Ellipsoid": the accessible name, or the label whose buddy the list
// is) with the current item as their value.
#pragma once

namespace platform {

// From now on, every pull-down list made is read that way. Idempotent.
void ReadPullDownListsByName();

} // namespace platform
