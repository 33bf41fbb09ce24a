// The options the sight commands share, read once: the conditions of a
// sight, the watch error and DUT1, instants and numbers as typed.
#pragma once

#include "celpos/core/sight.h"
#include "platform/command_line/arguments.h"

#include <functional>
#include <string>
#include <vector>

namespace celpos {

// --index-error, --height-of-eye, --temperature, --pressure, --watch-error, --dut1.
std::vector<cli::Option> SettingOptions();

// Those options' values, the defaults where not given. Throws
// cli::InputError naming a bad one.
SightSettings SettingsOf(const cli::Arguments& args);

// An instant as typed (ISO 8601 with its zone); throws cli::InputError.
double InstantOf(const std::string& text);

// Runs `body`, turning the sights' and the almanac's refusals into the
// command line's.
void AsInput(const std::function<void()>& body);

int RunFixCommand(const std::vector<std::string>& words, std::string& out, std::string& err);

} // namespace celpos
