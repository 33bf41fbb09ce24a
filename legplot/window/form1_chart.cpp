// The chart of the voyage: View > Chart's window, which follows every
// computation, and File > Export Chart's picture.
#include "legplot/window/form1.h"

#include "chart/window/chart_form.h"
#include "legplot/core/sailed_tracks.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/user_file.h"

#include <algorithm>
#include <optional>

namespace legplot {
namespace {

constexpr QSize ExportedChart(1200, 900);

} // namespace

void TForm1::ViewChart()
{
    platform::Guard([this] {
        if (!chart_) {
            chart_ = new chart::TChartForm(this);
            chart_->resize(chart_->sizeHint());
            chart_->ShowVoyage(ChartOfVoyage());
        }
        chart_->show();
        chart_->raise();
        chart_->activateWindow();
    });
}

void TForm1::UpdateChart()
{
    if (chart_)
        chart_->ShowVoyage(ChartOfVoyage());
}

chart::ChartVoyage TForm1::ChartOfVoyage() const
{
    // The ellipsoid of the last computation; the one chosen before any.
    const geo::Ellipsoid ellipsoid =
        plan_.CurrentEllipsoid.a > 0 ? plan_.CurrentEllipsoid : geo::EllipsoidAt(std::max(0, ComboBox1->currentIndex()));
    chart::ChartVoyage voyage{SailedTracks(plan_), ellipsoid, CurrentFormat(), {}};
    const auto stopped = std::ranges::find_if(plan_.Legs, [](const Leg& leg) { return !leg.Computed; });
    if (stopped != plan_.Legs.end()) {
        const int leg = static_cast<int>(stopped - plan_.Legs.begin()) + 1;
        voyage.Note = "Leg " + std::to_string(leg) + " and the legs after it are not drawn: " +
                      (poleLeg_ == leg ? "it passes a pole" : "they were not computed");
    }
    return voyage;
}

void TForm1::FileExportChart()
{
    platform::Guard([this] {
        const QString file =
            AskFileName(true, QStringLiteral("Export the chart"),
                        QStringLiteral("PNG pictures (*.png);;JPEG pictures (*.jpg *.jpeg);;SVG pictures (*.svg)"),
                        QStringLiteral("png"));
        if (file.isEmpty())
            return;
        const QString failure = QStringLiteral("The chart could not be exported to %1: %2");
        // The kind of picture the name says, or none: never PNG data under
        // another kind's name.
        const std::optional<platform::PictureFormat> format = platform::PictureFormatOf(file);
        if (!format)
            throw platform::TextError(failure.arg(
                file, QStringLiteral("its ending names no picture this program writes; it writes ") +
                          platform::PictureEndings()));
        const QSize size = chart_ && chart_->isVisible() ? chart_->ChartView1->size() : ExportedChart;
        const QByteArray picture = chart::ChartPicture(ChartOfVoyage(), size, *format);
        if (picture.isEmpty())
            throw platform::TextError(failure.arg(file, QStringLiteral("this system cannot write such pictures")));
        platform::WriteWholeFile(file, picture, failure);
    });
}

} // namespace legplot
