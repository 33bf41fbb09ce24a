// The chart itself: the sea, the land, the graticule, the voyage's tracks
// and the scale bar on the ellipsoid's Mercator, north up. Zoomed with the
// wheel or + and -, panned by dragging or with the arrow keys.
#pragma once

#include "chart/core/coastline.h"
#include "chart/core/mercator.h"
#include "geo/angle_text.h"
#include "legplot/core/sailed_tracks.h"

#include <QColor>
#include <QWidget>

#include <string>
#include <vector>

class QPainter;

namespace chart {

// The chart's own colours, those of a paper chart, whatever the desktop's
// scheme: dark ink on light sea and land stays readable under any.
QColor SeaColour();
QColor LandColour();
QColor TrackColour();

// What the chart shows of a voyage.
struct ChartVoyage {
    std::vector<legplot::Track> Tracks;
    geo::Ellipsoid Ellipsoid{};
    geo::AngleFormat Format = geo::AngleFormat::DMdd;
    std::string Note; // why legs are not drawn (a pole); empty when all are
};

// The land of both resolutions, projected once per ellipsoid.
struct ChartLand {
    const Coastline* Crude = nullptr;
    const Coastline* Low = nullptr;
    QString Missing; // why there is no land; empty when there is
};

// Draws the whole chart on `painter` for `view`. The land's projection is
// kept in `cache` between calls for the same ellipsoid.
struct LandCache;
void DrawChart(QPainter& painter, const View& view, const ChartVoyage& voyage, const ChartLand& land,
               LandCache* cache = nullptr);

// The plane points of every track point, for fitting the view.
std::vector<PlanePoint> TrackPlanePoints(const ChartVoyage& voyage);

// The text a screen reader hears: each point drawn with its position.
QString DescribeVoyage(const ChartVoyage& voyage);

class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    void SetVoyage(const ChartVoyage& voyage);
    void SetLand(const ChartLand& land);
    // The voyage with a margin, or its one point centred.
    void Fit();
    const View& CurrentView() const { return view_; }
    const ChartVoyage& Voyage() const { return voyage_; }

    QSize sizeHint() const override { return {720, 540}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ZoomAbout(double factor, QPointF pixel);
    void PanBy(QPointF pixels);
    void KeepInWorld();

    ChartVoyage voyage_;
    ChartLand land_;
    View view_;
    LandCache* cache_;
    QPointF dragFrom_;
    bool fitted_ = false;
};

} // namespace chart
