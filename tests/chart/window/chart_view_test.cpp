// The chart as drawn: land and sea in their colours from the shipped
// coastline, and what the chart says when the coastline is missing.
#include "chart/window/chart_form.h"

#include <gtest/gtest.h>

#include "qt_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
        // Lakes and inland seas are water, an island in a lake land again.
        {42, 50.5, false, 20000}, {42, 50.5, false, 1000},  // the Caspian
        {47.5, -87.5, false, 1000}, {53, 108, false, 1000}, // Lake Superior, Lake Baikal
        {45.8, -82.2, true, 1000},                          // Manitoulin Island, in Lake Huron
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

TEST(ChartView, ZoomsAndPansByKeysWheelAndDragFitsAgainAndStaysReadable)
{
    chart::TChartForm form;
    chart::ChartVoyage voyage{{}, geo::EllipsoidAt(WGS84), geo::AngleFormat::DMdd, {}};
    voyage.Tracks.push_back({{{50, -4, 0, 0, 0}, {49, -6, 1, 0, 0}}, false});
    form.ShowVoyage(voyage);
    form.resize(800, 600);
    form.show();
    QApplication::setActiveWindow(&form);
    (void)QTest::qWaitForWindowActive(&form);
    chart::ChartView* view = form.ChartView1;
    view->setFocus();
    const auto scale = [view] { return view->CurrentView().MetresPerPixel; };
    const auto centre = [view] { return view->CurrentView().Centre; };

    const struct {
        int key;
        double scaleFactor; // of the metres per pixel
        double dx, dy;      // the centre's move, in pixels of the view before
    } keys[] = {
        {Qt::Key_Plus, 1 / 1.25, 0, 0}, {Qt::Key_Minus, 1.25, 0, 0},
        {Qt::Key_Right, 1, 0.25 * view->width(), 0}, {Qt::Key_Up, 1, 0, 0.25 * view->height()},
    };
    for (const auto& k : keys) {
        const double before = scale();
        const chart::PlanePoint from = centre();
        QTest::keyClick(view, static_cast<Qt::Key>(k.key));
        EXPECT_NEAR(scale(), before * k.scaleFactor, before * 1e-9) << k.key;
        EXPECT_NEAR(centre().X - from.X, k.dx * before, before * 1e-6) << k.key;
        EXPECT_NEAR(centre().Y - from.Y, k.dy * before, before * 1e-6) << k.key;
    }

    // The wheel zooms about the point under the mouse, which stays put.
    const QPointF at(200, 150);
    const chart::View before = view->CurrentView();
    QWheelEvent wheel(at, view->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    const chart::View after = view->CurrentView();
    EXPECT_LT(after.MetresPerPixel, before.MetresPerPixel);
    EXPECT_NEAR(after.PlaneX(at.x()), before.PlaneX(at.x()), before.MetresPerPixel * 1e-6);
    EXPECT_NEAR(after.PlaneY(at.y()), before.PlaneY(at.y()), before.MetresPerPixel * 1e-6);

    // A drag moves the chart with the mouse.
    const chart::PlanePoint grabbed{after.PlaneX(300), after.PlaneY(200)};
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(300, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(340, 230), view->mapToGlobal(QPointF(340, 230)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_NEAR(view->CurrentView().PlaneX(340), grabbed.X, after.MetresPerPixel * 1e-6);
    EXPECT_NEAR(view->CurrentView().PlaneY(230), grabbed.Y, after.MetresPerPixel * 1e-6);

    // Zoom stops at a quarter of a metre per pixel; Fit brings the voyage back.
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_EQ(scale(), chart::FinestScale);
    QTest::mouseClick(form.FitButton, Qt::LeftButton);
    for (const chart::PlanePoint& p : chart::TrackPlanePoints(voyage)) {
        const chart::View& v = view->CurrentView();
        EXPECT_TRUE(v.PixelX(p.X) >= 30 && v.PixelX(p.X) <= view->width() - 30 && v.PixelY(p.Y) >= 30 &&
                    v.PixelY(p.Y) <= view->height() - 30)
            << "fitted with a margin";
    }
    testsupport::DarkDesktop dark; // the button and the frame stay readable
    testsupport::ExpectReadable(form);
}

} // namespace
