// The launcher's start sequence: the splash shown and painted at once, the
// application title, the main window (whose creation holds the splash up
// for the start wait), the About box, the splash removed, the main window
// shown with "Sun Moon" focused.
#pragma once

#include "launcher/window/about_box.h"
#include "launcher/window/main_form.h"

#include <memory>

namespace launcher {

struct Suite {
    std::unique_ptr<TMainForm> Main;
    TAboutBox* About = nullptr; // hidden until "About" is pressed; Main, its Qt parent, owns it
};

// Runs the sequence up to the event loop, which the caller runs. `ticks` is
// the start wait's counter (the system's unless a test gives another).
Suite StartSuite(TMainForm::TickSource ticks = {});

} // namespace launcher
