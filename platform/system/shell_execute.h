// The Windows shell's open operation, without Qt: what ShellOpen does on
// Windows.
#pragma once

namespace platform {

// ShellExecuteA(0, nullptr, file, parameters, nullptr, SW_SHOW): opens
// `file`, a bare name the shell resolves from the current working
// directory, with `parameters` (nullptr for none, which is not the same as
// an empty string). The result is not looked at. Windows only.
void ShellExecuteOpen(const char* file, const char* parameters);

} // namespace platform
