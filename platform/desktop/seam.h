// The seams through which tests stand in for the desktop: the error report,
// modal dialogs, the print dialog, the desktop's document opener. Each is
// one replaceable function, empty while the real thing is used.
#pragma once

#include <utility>

namespace platform {

template <class Function>
class Seam {
public:
    // What a test installed; empty for the real thing.
    const Function& Installed() const { return installed_; }

    // Installs `function` (an empty one puts the real thing back) and
    // returns the one installed before.
    Function Replace(Function function) { return std::exchange(installed_, std::move(function)); }

private:
    Function installed_;
};

} // namespace platform
