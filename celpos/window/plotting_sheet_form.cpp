#include "celpos/window/plotting_sheet_form.h"

#include "celpos/core/angle_texts.h"
#include "platform/desktop/latin1.h"
#include "platform/window/surface_colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

namespace celpos {
namespace {

constexpr int MarginPx = 36;
const QColor Paper(255, 255, 255), Ink(0, 0, 0), Grid(200, 210, 225), Track(90, 90, 90), Lines(0, 60, 160),
    FixColour(180, 0, 0);

// Sheet miles to pixels: the same scale both ways, the origin in the middle.
struct Scale {
    QPointF Centre;
    double PixelsPerNm;
    QPointF At(SheetPoint p) const { return {Centre.x() + p.EastNm * PixelsPerNm, Centre.y() - p.NorthNm * PixelsPerNm}; }
};

} // namespace

void DrawSheet(QPainter& painter, const QRect& area, const PlottingSheet& sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Paper);
    const double side = std::max(1, std::min(area.width(), area.height()) - 2 * MarginPx);
    const double span = sheet.HalfSpanNm > 0 ? sheet.HalfSpanNm : 2;
    const Scale scale{QRectF(area).center(), side / (2 * span)};
    painter.setClipRect(area.adjusted(MarginPx / 2, MarginPx / 2, -MarginPx / 2, -MarginPx / 2));

    // The grid, in round miles about the origin.
    painter.setPen(QPen(Grid, 1));
    const double grid = sheet.GridNm > 0 ? sheet.GridNm : 1;
    const int steps = static_cast<int>(std::ceil(span * 1.5 / grid));
    for (int k = -steps; k <= steps; ++k) {
        painter.drawLine(scale.At({k * grid, -span * 2}), scale.At({k * grid, span * 2}));
        painter.drawLine(scale.At({-span * 2, k * grid}), scale.At({span * 2, k * grid}));
    }
    // The DR's track, dashed, and the DR at the fix.
    painter.setPen(QPen(Track, 1.5, Qt::DashLine));
    for (std::size_t i = 1; i < sheet.DrTrack.size(); ++i)
        painter.drawLine(scale.At(sheet.DrTrack[i - 1]), scale.At(sheet.DrTrack[i]));
    painter.setPen(QPen(Track, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(scale.At({0, 0}), 6, 6);
    painter.drawText(scale.At({0, 0}) + QPointF(9, 16), QStringLiteral("DR"));
    // The lines of position and their intercepts.
    QFont label = painter.font();
    label.setPointSizeF(9);
    painter.setFont(label);
    for (const SheetLine& line : sheet.Lines) {
        painter.setPen(QPen(Lines, line.RunOn ? 2.0 : 1.2, line.RunOn ? Qt::SolidLine : Qt::DashLine));
        painter.drawLine(scale.At(line.From), scale.At(line.To));
        const QPointF foot = scale.At(line.Foot);
        painter.drawText(foot + QPointF(6, -6), QString::number(line.Sight) + (line.RunOn ? QString() : QStringLiteral(" (then)")));
    }
    if (sheet.Fix) {
        const QPointF fix = scale.At(*sheet.Fix);
        painter.setPen(QPen(FixColour, 2));
        painter.drawEllipse(fix, 8, 8);
        painter.drawPoint(fix);
        painter.drawText(fix + QPointF(11, -10), QStringLiteral("Fix"));
    }
    painter.setClipping(false);
    // North, and the scale said.
    painter.setPen(QPen(Ink, 1.5));
    const QPointF north(area.right() - MarginPx, area.top() + MarginPx + 24);
    painter.drawLine(north, north - QPointF(0, 24));
    painter.drawText(north - QPointF(4, 28), QStringLiteral("N"));
    painter.drawText(QPointF(area.left() + MarginPx / 2, area.bottom() - 8),
                     QString::fromLatin1(ScaleText(sheet).c_str()) + QStringLiteral(", north up"));
    painter.restore();
}

QByteArray SheetPicture(const PlottingSheet& sheet, QSize size, platform::PictureFormat format)
{
    return platform::DrawnPicture(size, format, {QStringLiteral("Plotting sheet"), DescribeSheet(sheet)},
                                  [&](QPainter& painter) { DrawSheet(painter, QRect(QPoint(), size), sheet); });
}

QString DescribeSheet(const PlottingSheet& sheet)
{
    QString text = QString::fromLatin1(ScaleText(sheet).c_str()) + QStringLiteral(", north up. DR ") +
                   platform::ToQt(PositionText(sheet.LatDeg, sheet.LonDeg)) + QStringLiteral(".");
    if (sheet.Fix)
        text += QStringLiteral(" Fix %1 nm east, %2 nm north of the DR.")
                    .arg(sheet.Fix->EastNm, 0, 'f', 1)
                    .arg(sheet.Fix->NorthNm, 0, 'f', 1);
    for (const SheetLine& line : sheet.Lines)
        if (line.RunOn)
            text += QStringLiteral(" Line of sight %1 through %2 nm east, %3 nm north.")
                        .arg(line.Sight)
                        .arg(line.Foot.EastNm, 0, 'f', 1)
                        .arg(line.Foot.NorthNm, 0, 'f', 1);
    return text;
}

PlottingSheetView::PlottingSheetView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PlottingSheetView"));
    setAccessibleName(QStringLiteral("Plotting sheet"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 320);
}

void PlottingSheetView::Show(const PlottingSheet& sheet)
{
    sheet_ = sheet;
    setAccessibleDescription(DescribeSheet(sheet));
    update();
}

void PlottingSheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawSheet(painter, rect(), sheet_);
}

TPlottingSheetForm::TPlottingSheetForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TPlottingSheetForm"));
    setWindowTitle(QStringLiteral("Plotting Sheet \u2014 Astronomical Position Fix"));
    View = new PlottingSheetView(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(View);
    platform::KeepReadableSurfaces(*this);
    resize(640, 640);
}

void TPlottingSheetForm::Show(const PlottingSheet& sheet)
{
    View->Show(sheet);
}

} // namespace celpos
