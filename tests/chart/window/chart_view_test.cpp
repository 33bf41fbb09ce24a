// The chart as drawn: land and sea in their colours from the shipped
// coastline, and what the chart says when the coastline is missing.
#include "chart/window/chart_form.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr int WGS84 = 22;

QImage Drawn(const chart::View& view, const chart::ChartVoyage& voyage)
{
    QImage image(static_cast<int>(view.Width), static_cast<int>(view.Height), QImage::Format_RGB32);
    QPainter painter(&image);
    chart::DrawChart(painter, view, voyage, chart::WorldLand());
    return image;
}

TEST(ChartView, LandAndSeaAreDrawnInTheirColours)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    ASSERT_TRUE(chart::WorldLand().Missing.isEmpty()) << chart::WorldLand().Missing.toStdString();
    const chart::ChartVoyage voyage{{}, geo::EllipsoidAt(WGS84), geo::AngleFormat::DMdd, {}};
    const struct {
        double lat, lon;
        bool land;
        double metresPerPixel; // the low coastline near, the crude one far
    } places[] = {
        {52, 5, true, 1000},   {52, 3, false, 1000},  // the Netherlands, the North Sea
        {50, 90, true, 20000}, {50, 90, true, 1000},  // deep inside Asia: only a filled ring colours it
        {-80, 0, true, 20000}, {40, -30, false, 20000}, {65, 178, true, 3000}, {65, -175, true, 3000},
    };
    for (const auto& p : places) {
        chart::View view;
        view.Centre = chart::Project(voyage.Ellipsoid, p.lat, p.lon);
        view.MetresPerPixel = p.metresPerPixel;
        view.Width = view.Height = 64;
        // Off the centre by a pixel or two: a graticule line may run through it.
        const QColor colour = Drawn(view, voyage).pixelColor(34, 34);
        EXPECT_EQ(colour, p.land ? chart::LandColour() : chart::SeaColour()) << p.lat << " " << p.lon;
    }
}

TEST(ChartView, MissingCoastlineIsSaidAndTheTrackStillDrawn)
{
    QTemporaryDir empty;
    chart::SetLandFolder(empty.path());
    EXPECT_TRUE(chart::WorldLand().Missing.startsWith(QStringLiteral("No coastline: ") + empty.path()))
        << chart::WorldLand().Missing.toStdString();
    chart::ChartVoyage voyage{{}, geo::EllipsoidAt(WGS84), geo::AngleFormat::DMdd, {}};
    voyage.Tracks.push_back({{{52, 3, 0, 0, 0}, {52, 5, 1, 0, 0}}, false});
    chart::View view;
    view.Centre = chart::Project(voyage.Ellipsoid, 52, 4);
    view.MetresPerPixel = 1000;
    view.Width = 200;
    view.Height = 100;
    const QImage image = Drawn(view, voyage);
    const QColor onTrack = image.pixelColor(100 + 30, 50);
    EXPECT_GT(onTrack.red(), 150);
    EXPECT_LT(onTrack.green(), 100);
    EXPECT_EQ(image.pixelColor(60, 80), chart::SeaColour()) << "no land drawn";
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
}

} // namespace
