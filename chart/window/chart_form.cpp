#include "chart/window/chart_form.h"

#include "platform/desktop/user_file.h"
#include "platform/window/surface_colours.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <optional>

namespace chart {
namespace {

constexpr qint64 LargestCoastline = 8 * 1024 * 1024;

QString& LandFolder()
{
    static QString folder;
    return folder;
}

struct LoadedLand {
    std::optional<Coastline> Crude, Low;
    ChartLand Land;
};

std::optional<LoadedLand>& Loaded()
{
    static std::optional<LoadedLand> loaded;
    return loaded;
}

std::optional<Coastline> ReadLandFile(const QString& file, QString& why)
{
    try {
        const QByteArray bytes =
            platform::ReadSmallFile(file, LargestCoastline, QStringLiteral("No coastline: %1: %2"));
        if (bytes.size() > LargestCoastline)
            throw CoastlineError("it is larger than a coastline file");
        return ReadCoastline(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& e) {
        why = QString::fromUtf8(e.what());
        if (!why.startsWith(QLatin1String("No coastline")))
            why = QStringLiteral("No coastline: %1: %2").arg(file, why);
        return std::nullopt;
    }
}

} // namespace

void SetLandFolder(const QString& folder)
{
    LandFolder() = folder;
    Loaded().reset();
}

const ChartLand& WorldLand()
{
    std::optional<LoadedLand>& loaded = Loaded();
    if (!loaded) {
        // Beside the program in a build; in the share folder once installed.
        QString folder = LandFolder();
        if (folder.isEmpty()) {
            const QDir programs(QCoreApplication::applicationDirPath());
            folder = programs.exists(QStringLiteral("chart")) ? programs.filePath(QStringLiteral("chart"))
                                                              : programs.filePath(QStringLiteral("../../share/vorlan/chart"));
        }
        loaded.emplace();
        QString why;
        loaded->Crude = ReadLandFile(folder + QStringLiteral("/coastline-crude.bin"), why);
        if (loaded->Crude)
            loaded->Low = ReadLandFile(folder + QStringLiteral("/coastline-low.bin"), why);
        loaded->Land = {loaded->Crude ? &*loaded->Crude : nullptr, loaded->Low ? &*loaded->Low : nullptr,
                        loaded->Crude ? QString() : why};
    }
    return loaded->Land;
}

QByteArray ChartPicture(const ChartVoyage& voyage, QSize size, platform::PictureFormat format)
{
    View view = FitView(TrackPlanePoints(voyage), size.width(), size.height(), 40);
    view.MetresPerPixel = std::min(view.MetresPerPixel, CoarsestScale(voyage.Ellipsoid, size.width()));
    return platform::DrawnPicture(size, format, {QStringLiteral("Dead reckoning chart"), DescribeVoyage(voyage)},
                                  [&](QPainter& painter) { DrawChart(painter, view, voyage, WorldLand()); });
}

QPushButton* LayOutChartWindow(QWidget& window, ChartView& view, const ChartWindowTexts& texts)
{
    window.setObjectName(texts.ObjectName);
    window.setWindowTitle(texts.Title);
    window.setAccessibleName(texts.Heard);
    view.setObjectName(QStringLiteral("ChartView1"));
    auto* fit = new QPushButton(QStringLiteral("&Fit"), &window);
    fit->setObjectName(QStringLiteral("FitButton"));
    fit->setToolTip(texts.FitTip);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fit);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&view, 1);
    layout->addLayout(buttons);
    QObject::connect(fit, &QPushButton::clicked, &view, &ChartView::Fit);
    // The button and the frame keep light surfaces, as the main window does;
    // the chart paints its own.
    platform::KeepReadableSurfaces(window);
    view.SetLand(WorldLand());
    view.setFocus();
    return fit;
}

TChartForm::TChartForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    ChartView1 = new ChartView(this);
    FitButton = LayOutChartWindow(*this, *ChartView1,
                                  {QStringLiteral("TChartForm"), QStringLiteral("Chart \u2014 Dead Reckoning"),
                                   QStringLiteral("Chart of the voyage"), QStringLiteral("Show the whole voyage")});
}
void TChartForm::ShowVoyage(const ChartVoyage& voyage)
{
    ChartView1->SetVoyage(voyage);
}

} // namespace chart
