// The chart window: a separate, resizable window with the chart of the
// voyage the dead-reckoning window computed, and a Fit button.
#pragma once

#include "chart/window/chart_view.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <optional>

class QPushButton;

namespace chart {

// The land, read once from the program's chart folder (or the one a test
// sets, which reads it anew) when a chart first needs it; a missing or
// damaged file leaves the chart without land and says why.
const ChartLand& WorldLand();
void SetLandFolder(const QString& folder);

// The kinds of picture the chart is written as.
enum class PictureFormat { Png, Jpeg, Svg };

// The kind a file name's ending names, in any case: ".png", ".jpg" or
// ".jpeg", ".svg"; none for any other ending or none at all.
std::optional<PictureFormat> PictureFormatOf(const QString& fileName);

// What a refusal of another ending says: the endings pictures are written
// with.
QString PictureEndings();

// The chart as a picture of `size` pixels, fitted to the voyage; empty when
// Qt cannot write that kind of picture here (a JPEG without its plugin).
QByteArray ChartPicture(const ChartVoyage& voyage, QSize size, PictureFormat format);

class TChartForm : public QWidget {
    Q_OBJECT

public:
    explicit TChartForm(QWidget* parent = nullptr);

    void ShowVoyage(const ChartVoyage& voyage);

    ChartView* ChartView1;
    QPushButton* FitButton;
};

} // namespace chart
