// The chart window: a separate, resizable window with the chart of the
// voyage the dead-reckoning window computed, and a Fit button.
#pragma once

#include "chart/window/chart_view.h"
#include "platform/picture/picture_file.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class QPushButton;

namespace chart {

// The land, read once from the program's chart folder (or the one a test
// sets, which reads it anew) when a chart first needs it; a missing or
// damaged file leaves the chart without land and says why.
const ChartLand& WorldLand();
void SetLandFolder(const QString& folder);

// The chart as a picture of `size` pixels, fitted to the voyage; empty when
// Qt cannot write that kind of picture here (a JPEG without its plugin).
QByteArray ChartPicture(const ChartVoyage& voyage, QSize size, platform::PictureFormat format);

// What a chart window is called: its object and window names, what a
// screen reader hears of it, the Fit button's tip.
struct ChartWindowTexts {
    QString ObjectName; // "TChartForm"
    QString Title;      // "Chart — Dead Reckoning"
    QString Heard;      // "Chart of the voyage"
    QString FitTip;     // "Show the whole voyage"
};

// Lays `window` out as a chart window, resizable and beside the window
// that opened it: `view` (named "ChartView1") filling it above a Fit
// button (Alt+F, "FitButton") that fits the view to what it shows,
// readable surfaces under any desktop scheme, the land given to the view
// and the focus in it. Returns the button.
QPushButton* LayOutChartWindow(QWidget& window, ChartView& view, const ChartWindowTexts& texts);

class TChartForm : public QWidget {
    Q_OBJECT

public:
    explicit TChartForm(QWidget* parent = nullptr);

    void ShowVoyage(const ChartVoyage& voyage);

    ChartView* ChartView1;
    QPushButton* FitButton;
};

} // namespace chart
