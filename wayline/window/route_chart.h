// The route on the chart module's Mercator (View > Chart): rhumb lines and
// parallels straight, great circles as the curves they are (the core's
// points along them, route_line.h), each waypoint marked with its name,
// over the chart's sea, land, graticule and scale bar. Zoomed, panned and
// fitted as the dead-reckoning chart is.
#pragma once

#include "chart/window/chart_view.h"
#include "wayline/core/route.h"
#include "wayline/core/route_line.h"

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace wayline {

// The ellipsoid of catalogue row `index` as defined, in the chart's terms.
geo::Ellipsoid ChartEllipsoid(int index);

class RouteChartView : public chart::ChartView {
    Q_OBJECT

public:
    explicit RouteChartView(QWidget* parent = nullptr);

    // Draws `route` on ellipsoid `ellipsoid` (catalogue row), labelled in
    // `format`; a screen reader hears each waypoint with its position.
    void SetRoute(const Route& route, int ellipsoid, geo::AngleFormat format);

    const RouteLine& Line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RouteLine line_;
    QStringList names_;
};

class TRouteChartForm : public QWidget {
    Q_OBJECT

public:
    explicit TRouteChartForm(QWidget* parent = nullptr);

    RouteChartView* ChartView1;
    QPushButton* FitButton;
};

} // namespace wayline
