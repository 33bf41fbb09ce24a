// A GPX file read by its name, for the command line (the window reads
// through the kit's user files, as every window does).
#pragma once

#include "wayline/files/gpx_document.h"

#include <cstddef>
#include <optional>
#include <string>

namespace wayline {

// Route `index` (from 0; the first where none) of the file `fileName` (as
// the user gave it), read as ReadGpx reads it and chosen as ChooseRoute
// chooses. Throws GpxError ("The route could not be opened from
// <file>: <reason>") for a file that cannot be read (the system's reason),
// one that is not a regular file (a device, a pipe: never opened, which
// would hold the program), and everything ReadGpx refuses; no more than
// LargestGpxFile + 1 bytes are read.
GpxRoute ReadGpxFile(const std::string& fileName, std::optional<std::size_t> index);

} // namespace wayline
