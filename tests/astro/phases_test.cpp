// The Moon's principal phases, illuminated fraction and age against
// PyEphem's next_new_moon etc. and moon_phase.
#include "astro/moon_phase.h"

#include <gtest/gtest.h>

#include "pyephem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

const char* KindName(astro::PrincipalPhaseKind kind)
{
    switch (kind) {
    case astro::PrincipalPhaseKind::NewMoon: return "new";
    case astro::PrincipalPhaseKind::FirstQuarter: return "first";
    case astro::PrincipalPhaseKind::FullMoon: return "full";
    case astro::PrincipalPhaseKind::LastQuarter: return "last";
    }
    return "";
}

TEST(MoonPhases, PrincipalPhasesAgreeWithPyEphem)
{
    double worst = 0;
    for (std::size_t i = 0; i < astrotest::PhaseIntervals.size(); ++i) {
        const astrotest::PhaseInterval interval = astrotest::PhaseIntervals[i];
        std::vector<std::pair<double, std::string>> theirs;
        for (const auto& line : astrotest::PyEphem("phase", static_cast<int>(i)))
            theirs.push_back({std::stod(line[1]), line[0]});
        std::sort(theirs.begin(), theirs.end());
        const std::vector<astro::PrincipalPhase> ours = astro::PrincipalPhases(interval.Start, interval.End);
        ASSERT_EQ(ours.size(), theirs.size()) << interval.Start;
        for (std::size_t k = 0; k < ours.size(); ++k) {
            EXPECT_EQ(KindName(ours[k].Kind), theirs[k].second) << ours[k].Utc;
            EXPECT_LT(std::fabs(ours[k].Utc - theirs[k].first), 60.0) << ours[k].Utc;
            worst = std::max(worst, std::fabs(ours[k].Utc - theirs[k].first));
        }
    }
    std::printf("Principal phases against PyEphem: %.1f s at worst\n", worst);
}

TEST(MoonPhases, FractionAgeAndPhaseAngleAgreeWithPyEphem)
{
    const std::vector<double> instants = astrotest::MoonPhaseInstants();
    for (std::size_t i = 0; i < instants.size(); ++i) {
        const auto& line = astrotest::PyEphem("moonphase", static_cast<int>(i)).at(0);
        const astro::MoonPhase ours = astro::MoonPhaseAt(instants[i]);
        EXPECT_NEAR(ours.IlluminatedFraction, std::stod(line[0]), 0.001) << instants[i];
        EXPECT_NEAR(ours.Age, (instants[i] - std::stod(line[1])) / 86400.0, 60.0 / 86400.0) << instants[i];
        // The phase angle grows with the age at 10 to 15.5 degrees a day.
        EXPECT_GT(ours.PhaseAngle, ours.Age * 10.0) << instants[i];
        EXPECT_LT(ours.PhaseAngle, ours.Age * 15.5) << instants[i];
    }
}

} // namespace
