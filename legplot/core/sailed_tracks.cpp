#include "legplot/core/sailed_tracks.h"

namespace legplot {

std::vector<Track> SailedTracks(const VoyagePlan& plan)
{
    std::vector<Track> tracks(1);
    tracks.back().Points.push_back({plan.StartLat, plan.StartLon, 0, plan.Departure.Day, plan.Departure.Seconds});
    bool open = true; // the last track takes the next leg sailed
    for (int k = 1; k <= LegCount; ++k) {
        const Leg& leg = plan.Legs[static_cast<std::size_t>(k - 1)];
        if (!leg.Computed)
            break;
        if (leg.Interval == 0) {
            open = false;
            continue;
        }
        if (!open) {
            const Leg& before = plan.Legs[static_cast<std::size_t>(k - 2)];
            tracks.push_back({{{before.EndLat, before.EndLon, k - 1, before.ArrivalDate, before.ArrivalTime}}, true});
            open = true;
        }
        std::vector<TrackPoint>& points = tracks.back().Points;
        // The stored end as sailed: a leg of more than half a turn of longitude
        // is not turned round into a shorter one the other way.
        points.push_back({leg.EndLat, leg.EndLon, k, leg.ArrivalDate, leg.ArrivalTime});
    }
    return tracks;
}

} // namespace legplot
