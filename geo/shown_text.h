// Text a user typed or a file held, made fit to be quoted in a message.
#pragma once

#include <string>
#include <string_view>

namespace geo {

// `bytes` as valid UTF-8: well-formed UTF-8 is kept as it is, a lone byte
// 0xB0 (the windows' 8-bit degree sign) becomes "°", and every other byte
// that is not UTF-8, and every control character, is written as \xNN, so
// that a message never carries broken or invisible text.
std::string ShownText(std::string_view bytes);

} // namespace geo
