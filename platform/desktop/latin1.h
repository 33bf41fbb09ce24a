// The one crossing between the suite's 8-bit texts (degree sign 0xB0) and
// Qt's strings.
#pragma once

#include <QString>

#include <string>

namespace platform {

inline QString ToQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters beyond Latin-1 become '?'.
inline std::string FromQt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform
