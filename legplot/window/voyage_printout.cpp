#include "legplot/window/voyage_printout.h"

#include "platform/desktop/number_settings.h"

#include <limits>

namespace legplot {
namespace {

const std::string Font = "Arial";
constexpr int LargePoints = 10;
constexpr int SmallPoints = 8;
constexpr int Columns = 8; // u = W / 8
constexpr int Lines = 40;  // v = H / 40
constexpr double NoFigure = std::numeric_limits<double>::quiet_NaN(); // FormatAngle shows dashes

} // namespace

void PrintVoyage(platform::PrintCanvas& canvas, const VoyagePlan& plan, const PrintoutSettings& settings)
{
    const int u = canvas.Width() / Columns;
    const int v = canvas.Height() / Lines;

    canvas.SetFont(Font, LargePoints, true);
    canvas.TextOut(u, 0, "Dead Reckoning : " + plan.DepartureDateText + "   Time : " + settings.DepartureTime);
    canvas.TextOut(u, 2 * v, "Starting At :");

    canvas.SetFont(Font, SmallPoints, false);
    canvas.TextOut(u, 3 * v, "Latitude : ");
    const auto start = [&](const std::string& shown, bool isLongitude, double degrees) {
        return shown.empty() ? geo::FormatAngle(settings.Format, isLongitude, degrees) : shown;
    };
    canvas.TextOut(3 * u, 3 * v, start(settings.StartLat, false, plan.StartLat));
    canvas.TextOut(u, 4 * v, "Longitude : ");
    canvas.TextOut(3 * u, 4 * v, start(settings.StartLon, true, plan.StartLon));

    canvas.SetFont(Font, LargePoints, true);
    const char* headings[] = {"Course", "Speed", "Interval", "Latitude", "Longitude", "Date of Arr.", "Time of Arr."};
    for (int c = 0; c < 7; ++c)
        canvas.TextOut((c + 1) * u, 6 * v, headings[c]);

    canvas.SetFont(Font, SmallPoints, false);
    for (int i = 1; i <= LegCount; ++i) {
        const Leg& leg = plan.Legs[static_cast<std::size_t>(i - 1)];
        if (leg.Interval == 0)
            continue; // the row stays empty; the rows below keep their places
        // A leg the last run could not sail has no figures: dashes for its
        // position, nothing for its arrival, as on the screen.
        const double lat = leg.Computed ? leg.EndLat : NoFigure;
        const double lon = leg.Computed ? leg.EndLon : NoFigure;
        const std::string cells[] = {
            platform::FloatToFixed(leg.Course, 1),
            platform::FloatToFixed(leg.Speed, 1),
            leg.IntervalText,
            geo::FormatAngle(settings.Format, false, lat),
            geo::FormatAngle(settings.Format, true, lon),
            leg.Computed ? DateText(leg.ArrivalDate, settings.DateSeparator) : std::string(),
            leg.Computed ? TimeText(leg.ArrivalTime, settings.TimeSeparator) : std::string(),
        };
        for (int c = 0; c < 7; ++c)
            if (!cells[c].empty())
                canvas.TextOut((c + 1) * u, (7 + i) * v, cells[c]);
    }
}

} // namespace legplot
