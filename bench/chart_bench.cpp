// The chart drawn anew for a changed view at world scale: the land
// projected and filled, the graticule and a voyage's track, with no picture
// or projection kept from an earlier frame. A screen frame is 16 ms.
#include "chart/window/chart_form.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

void ChartWorldRedrawn(benchmark::State& state)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    chart::ChartVoyage voyage{{}, geo::EllipsoidAt(22), geo::AngleFormat::DMdd, {}};
    voyage.Tracks.push_back({{{50.35, -4.14, 0, 0, 0}, {49.8, -6.6, 1, 0, 0}, {20, -40, 2, 0, 0}, {-33.9, 18.4, 3, 0, 0}}, false});
    QImage image(1280, 800, QImage::Format_RGB32);
    chart::View view = chart::FitView({}, 1280, 800, 0);
    view.MetresPerPixel = chart::CoarsestScale(voyage.Ellipsoid, 1280);
    double shift = 0;
    for (auto _ : state) {
        view.Centre.X = shift; // a changed view every frame
        shift += 1e5;
        QPainter painter(&image);
        chart::DrawChart(painter, view, voyage, chart::WorldLand()); // nothing cached
    }
}
BENCHMARK(ChartWorldRedrawn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
