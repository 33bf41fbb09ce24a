// The rule that proposes a set of stars, walked through skies made for it:
// brightness among the sets that spread well, the best spread where none
// does, planets and the Moon left to the navigator, too few stars none.
#include "obsprep/core/star_set.h"
#include "obsprep/core/voyage.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Kind = astro::BodyKind;

obsprep::SkyBody At(const char* name, double zn, std::optional<double> magnitude, Kind kind = Kind::Star)
{
    return {name, kind, 40.0, zn, magnitude};
}

std::vector<std::string> Names(const std::vector<obsprep::SkyBody>& set)
{
    std::vector<std::string> names;
    for (const obsprep::SkyBody& b : set)
        names.push_back(b.Body);
    return names;
}

TEST(ProposedSet, BrightestAmongThoseThatSpreadWellElseTheBestSpread)
{
    const struct {
        const char* Why;
        std::vector<obsprep::SkyBody> Sky;
        int Count;
        std::vector<std::string> Proposed; // by azimuth
    } cases[] = {
        {"an even spread of faint stars loses to a bright set within a quarter of the gap",
         {At("A", 0, 3), At("B", 120, 3), At("C", 240, 3), At("D", 10, 0), At("E", 130, 0.5), At("F", 235, 1)},
         3,
         {"D", "E", "F"}},
        {"the faintest star decides before the sum",
         {At("A", 0, -1.5), At("B", 120, -1), At("C", 240, 2.2), At("D", 60, 1), At("E", 180, 1), At("F", 300, 1)},
         3,
         {"D", "E", "F"}},
        {"a gap of 151 degrees spreads badly, 149 well",
         {At("A", 0, 0), At("B", 151, 0), At("C", 255, 0), At("D", 100, 2), At("E", 210, 2), At("F", 330, 2),
          At("G", 149, 1)},
         3,
         {"A", "G", "C"}},
        {"no set spreads well: the best spread, though fainter",
         {At("A", 0, 0), At("B", 20, 0), At("C", 40, -1), At("D", 80, 3), At("E", 100, 3)},
         3,
         {"A", "C", "E"}},
        {"across north: the gap from the last back round to the first",
         {At("A", 350, 1), At("B", 110, 1), At("C", 230, 1), At("D", 20, 2)},
         3,
         {"B", "C", "A"}},
        {"the planets and the Moon are never proposed",
         {At("Venus", 0, -4, Kind::Planet), At("Moon", 120, std::nullopt, Kind::Moon), At("A", 240, 2),
          At("B", 10, 2.5), At("C", 125, 2.5)},
         3,
         {"B", "C", "A"}},
        {"too few stars: none", {At("Jupiter", 0, -2, Kind::Planet), At("A", 120, 1), At("B", 240, 1)}, 3, {}},
        {"five about 72 degrees apart, the bright ones within 18",
         {At("A", 0, 2), At("B", 72, 2), At("C", 144, 2), At("D", 216, 2), At("E", 288, 2), At("F", 80, 0),
          At("G", 300, 0), At("H", 150, 1), At("I", 10, 1), At("J", 225, 1)},
         5,
         {"I", "F", "H", "J", "G"}},
        {"five asked of four stars: none", {At("A", 0, 1), At("B", 90, 1), At("C", 180, 1), At("D", 270, 1)}, 5, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Names(obsprep::ProposedSet(c.Sky, c.Count)), c.Proposed) << c.Why;
    EXPECT_THROW(obsprep::ProposedSet(cases[0].Sky, 4), obsprep::PlanError);
}

TEST(ProposedSet, SpreadErrorIsTheLargestDepartureFromTheEvenGap)
{
    EXPECT_DOUBLE_EQ(obsprep::SpreadError({At("A", 0, 1), At("B", 120, 1), At("C", 240, 1)}), 0);
    EXPECT_DOUBLE_EQ(obsprep::SpreadError({At("A", 350, 1), At("B", 100, 1), At("C", 230, 1)}), 10);
    EXPECT_DOUBLE_EQ(obsprep::SpreadError({At("A", 0, 1), At("B", 1, 1), At("C", 2, 1)}), 238);
}

} // namespace
