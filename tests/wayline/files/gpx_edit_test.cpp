// A route edited point by point: what each point keeps goes with it, the
// legs stay one fewer than the points and keep their kinds and speeds
// where a navigator expects them; a parallel moved off its parallel
// becomes a rhumb line.
#include "wayline/files/gpx_edit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using wayline::GpxRoute;
using wayline::LegKind;

// A, B, C, D: legs A-B great circle at 5 kn, B-C parallel, C-D rhumb
// line; each point keeps a symbol of its own name.
GpxRoute Abcd()
{
    GpxRoute r = wayline::GpxRouteOf(wayline::MakeRoute({{"A", 40, 0}, {"B", 40, 5}, {"C", 40, 10}, {"D", 45, 15}}));
    r.Plan.Legs = {{LegKind::GreatCircle, 5}, {LegKind::Parallel, std::nullopt}, {LegKind::Rhumb, std::nullopt}};
    for (std::size_t i = 0; i < r.Points.size(); ++i) {
        wayline::KeptNode sym = wayline::KeptNode::OfElement(wayline::Gpx11Namespace, "", "sym");
        sym.Children.push_back(wayline::KeptNode::OfText(r.Plan.Points[i].Name));
        r.Points[i].Elements.push_back(sym);
    }
    return r;
}

// Each point's name and what it keeps, and each leg's kind and speed:
// "A B>gc5 ..." where a point's name is not its symbol's: "E()".
std::string Said(const GpxRoute& r)
{
    const char* kinds[] = {"rhumb", "gc", "parallel"};
    std::string out;
    for (std::size_t i = 0; i < r.Plan.Points.size(); ++i) {
        const std::string kept = r.Points.at(i).Elements.empty() ? "" : r.Points[i].Elements[0].InnerText();
        out += r.Plan.Points[i].Name + (kept == r.Plan.Points[i].Name ? "" : "(" + kept + ")");
        if (i < r.Plan.Legs.size()) {
            const wayline::Leg& leg = r.Plan.Legs[i];
            out += std::string(" >") + kinds[static_cast<int>(leg.Kind)] +
                   (leg.Speed ? std::to_string(static_cast<int>(*leg.Speed)) : "") + " ";
        }
    }
    return out;
}

TEST(GpxEdit, PointsAndWhatTheyKeepMoveTogether)
{
    const wayline::Waypoint e{"E", 40, 7};
    const struct {
        const char* name;
        std::function<void(GpxRoute&)> edit;
        const char* after;
    } cases[] = {
        {"nothing", [](GpxRoute&) {}, "A >gc5 B >parallel C >rhumb D"},
        {"insert between: both halves as the leg", [&](GpxRoute& r) { wayline::InsertPoint(r, 2, e); },
         "A >gc5 B >parallel E() >parallel C >rhumb D"},
        {"insert first: as the leg beside", [&](GpxRoute& r) { wayline::InsertPoint(r, 0, e); },
         "E() >gc5 A >gc5 B >parallel C >rhumb D"},
        {"insert at the end", [&](GpxRoute& r) { wayline::InsertPoint(r, 4, e); },
         "A >gc5 B >parallel C >rhumb D >rhumb E()"},
        {"insert beyond the end is at the end", [&](GpxRoute& r) { wayline::InsertPoint(r, 99, e); },
         "A >gc5 B >parallel C >rhumb D >rhumb E()"},
        {"delete the first", [](GpxRoute& r) { wayline::DeletePoint(r, 0); }, "B >parallel C >rhumb D"},
        {"delete one between: the leg to it runs on", [](GpxRoute& r) { wayline::DeletePoint(r, 1); },
         "A >gc5 C >rhumb D"},
        {"delete the last", [](GpxRoute& r) { wayline::DeletePoint(r, 3); }, "A >gc5 B >parallel C"},
        {"delete beyond the last", [](GpxRoute& r) { wayline::DeletePoint(r, 4); }, "A >gc5 B >parallel C >rhumb D"},
        {"move up: the legs stay", [](GpxRoute& r) { wayline::MovePoint(r, 2, true); },
         "A >gc5 C >parallel B >rhumb D"},
        {"move down", [](GpxRoute& r) { wayline::MovePoint(r, 0, false); }, "B >gc5 A >parallel C >rhumb D"},
        {"the first does not move up", [](GpxRoute& r) { wayline::MovePoint(r, 0, true); },
         "A >gc5 B >parallel C >rhumb D"},
        {"the last does not move down", [](GpxRoute& r) { wayline::MovePoint(r, 3, false); },
         "A >gc5 B >parallel C >rhumb D"},
        {"everything deleted",
         [](GpxRoute& r) {
             for (int i = 0; i < 4; ++i)
                 wayline::DeletePoint(r, 0);
         },
         ""},
        {"a parallel moved off its parallel",
         [](GpxRoute& r) {
             r.Plan.Points[2].Lat = 41;
             EXPECT_EQ(wayline::RhumbWhereOffParallel(r.Plan), std::vector<std::size_t>{1});
         },
         "A >gc5 B >rhumb C >rhumb D"},
    };
    for (const auto& c : cases) {
        GpxRoute r = Abcd();
        c.edit(r);
        EXPECT_EQ(Said(r), c.after) << c.name;
        EXPECT_EQ(r.Points.size(), r.Plan.Points.size()) << c.name;
        EXPECT_NO_THROW(wayline::CheckRoute(r.Plan)) << c.name;
    }
    // Into a route with no point, and a first point added to it.
    GpxRoute empty = wayline::GpxRouteOf({});
    wayline::InsertPoint(empty, 0, e);
    wayline::InsertPoint(empty, 1, e);
    EXPECT_EQ(Said(empty), "E() >rhumb E()");
}

} // namespace
