// The core's texts are UTF-8 (station names, the degree sign); the kit's
// are 8-bit. These are where the window crosses between them.
#pragma once

#include "platform/desktop/latin1.h"

#include <QString>

#include <string>

namespace ebbflow {

inline QString FromUtf8(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// For the kit's 8-bit texts (status, results, the printed page).
inline std::string Latin1Of(const std::string& utf8)
{
    return platform::FromQt(FromUtf8(utf8));
}

} // namespace ebbflow
