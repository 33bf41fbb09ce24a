// The plotting sheet: the lines of position, their run on to the time of
// the fix, the DR's track and the fix, drawn to scale in nautical miles,
// north up, in a window of its own; and the same as a PNG or SVG picture.
#pragma once

#include "celpos/core/plotting_sheet.h"
#include "platform/picture/picture_file.h"

#include <QByteArray>
#include <QWidget>


class QPainter;

namespace celpos {

// Draws `sheet` into `area` of `painter`: white paper, a grid in the
// sheet's spacing with its scale said, north marked, the DR track dashed,
// each line of position (dashed where it was reduced, solid run on) with
// its sight's number, the DR and the fix.
void DrawSheet(QPainter& painter, const QRect& area, const PlottingSheet& sheet);

// The picture of `sheet` at `size`; empty when it could not be made.
QByteArray SheetPicture(const PlottingSheet& sheet, QSize size, platform::PictureFormat format);

// What a screen reader hears of the sheet: its scale, the fix and the DR,
// and each line.
QString DescribeSheet(const PlottingSheet& sheet);

class PlottingSheetView : public QWidget {
    Q_OBJECT

public:
    explicit PlottingSheetView(QWidget* parent = nullptr);
    void Show(const PlottingSheet& sheet);
    const PlottingSheet& Sheet() const { return sheet_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlottingSheet sheet_;
};

class TPlottingSheetForm : public QWidget {
    Q_OBJECT

public:
    explicit TPlottingSheetForm(QWidget* parent = nullptr);
    void Show(const PlottingSheet& sheet);

    PlottingSheetView* View = nullptr;
};

} // namespace celpos
