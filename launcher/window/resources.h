// The launcher's pictures are Qt resources compiled into its library; a
// static library's resources must be registered by a call, once.
#pragma once

namespace launcher {

void EnsureResources();

} // namespace launcher
