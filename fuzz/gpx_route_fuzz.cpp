// Reads arbitrary bytes as a GPX route file. A refusal (GpxError) is fine;
// a crash, undefined behaviour, or a file taken whose routes, written out
// and read again, are not the same is a finding.
#include "wayline/files/gpx_read.h"
#include "wayline/files/gpx_write.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    wayline::GpxDocument read;
    try {
        read = wayline::ReadGpx(bytes, QStringLiteral("fuzz.gpx"));
    } catch (const wayline::GpxError&) {
        return 0;
    }
    const wayline::GpxDocument again = wayline::ReadGpx(wayline::WriteGpx(read.Routes), QStringLiteral("again.gpx"));
    if (again.Routes.size() != read.Routes.size())
        std::abort();
    for (std::size_t i = 0; i < read.Routes.size(); ++i) {
        const wayline::GpxRoute& a = read.Routes[i];
        const wayline::GpxRoute& b = again.Routes[i];
        // A departure taken from the first point's time is written as the
        // planned departure; everything else comes back as it was.
        const bool planned = a.Departure != wayline::DepartureSource::FirstPointTime;
        if (!(a.Plan == b.Plan && a.Points == b.Points && a.Elements == b.Elements &&
              (!planned || a.Extensions == b.Extensions)))
            std::abort();
    }
    return 0;
}
