// The chart window: a separate, resizable window with the chart of the
// voyage the dead-reckoning window computed, and a Fit button.
#pragma once

#include "chart/window/chart_view.h"

#include <QByteArray>
#include <QWidget>

class QPushButton;

namespace chart {

// The land, read once from the program's chart folder (or the one a test
// sets, which reads it anew) when a chart first needs it; a missing or
// damaged file leaves the chart without land and says why.
const ChartLand& WorldLand();
void SetLandFolder(const QString& folder);

// The chart as a picture of `size` pixels, fitted to the voyage: PNG, or
// SVG when `svg`.
QByteArray ChartPicture(const ChartVoyage& voyage, QSize size, bool svg);

class TChartForm : public QWidget {
    Q_OBJECT

public:
    explicit TChartForm(QWidget* parent = nullptr);

    void ShowVoyage(const ChartVoyage& voyage);

    ChartView* ChartView1;
    QPushButton* FitButton;
};

} // namespace chart
