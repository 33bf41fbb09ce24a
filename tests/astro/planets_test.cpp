// The planets' magnitudes against Skyfield's implementation of the same
// formulas (Mallama & Hilton 2018), across each formula's ranges and on
// both sides of where it changes.
#include "astro/planets.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <sstream>
#include <string>

namespace {

TEST(PlanetMagnitudes, AgreeWithSkyfieldAcrossTheirRanges)
{
    const struct {
        astro::Planet Planet;
        const char* Name;
        double R, Delta, Alpha, Tilt;
    } cases[] = {
        {astro::Planet::Venus, "Venus", 0.72, 1.72, 1.5, 0},     // near superior conjunction
        {astro::Planet::Venus, "Venus", 0.72, 0.9, 70.0, 0},
        {astro::Planet::Venus, "Venus", 0.72, 0.4, 106.7, 0},    // near greatest brilliancy
        {astro::Planet::Venus, "Venus", 0.72, 0.27, 163.69, 0},  // the formula changes at 163.7
        {astro::Planet::Venus, "Venus", 0.72, 0.27, 163.71, 0},
        {astro::Planet::Venus, "Venus", 0.72, 0.27, 175.0, 0},   // near inferior conjunction
        {astro::Planet::Mars, "Mars", 1.38, 0.37, 0.5, 0},       // a perihelic opposition
        {astro::Planet::Mars, "Mars", 1.52, 1.9, 38.0, 0},
        {astro::Planet::Mars, "Mars", 1.66, 2.6, 49.9, 0},       // and at 50
        {astro::Planet::Mars, "Mars", 1.66, 2.6, 50.1, 0},
        {astro::Planet::Jupiter, "Jupiter", 4.95, 3.95, 0.2, 0},
        {astro::Planet::Jupiter, "Jupiter", 5.2, 5.0, 11.9, 0},  // and at 12
        {astro::Planet::Jupiter, "Jupiter", 5.2, 5.0, 12.1, 0},
        {astro::Planet::Saturn, "Saturn", 9.5, 8.5, 0.1, 0},     // the rings edge on
        {astro::Planet::Saturn, "Saturn", 9.5, 8.6, 3.0, 12.0},
        {astro::Planet::Saturn, "Saturn", 10.0, 10.9, 5.5, 26.9}, // the rings wide open
    };
    std::ostringstream requests;
    requests.precision(17);
    for (const auto& c : cases)
        requests << c.Name << ' ' << c.R << ' ' << c.Delta << ' ' << c.Alpha << ' ' << c.Tilt << '\n';
    // The requests hold only words, digits and points: safe inside single quotes.
    std::istringstream answers(testsupport::ProgramOutput("printf '%s' '" + requests.str()
                                                          + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                                            "/tests/astro/skyfield_magnitudes.py"));
    for (const auto& c : cases) {
        std::string answer;
        ASSERT_TRUE(std::getline(answers, answer)) << "Skyfield gave no magnitude for " << c.Name;
        EXPECT_NEAR(astro::PlanetMagnitude(c.Planet, c.R, c.Delta, c.Alpha, c.Tilt), std::stod(answer), 1e-9)
            << c.Name << " at phase angle " << c.Alpha;
    }
}

} // namespace
