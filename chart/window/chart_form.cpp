#include "chart/window/chart_form.h"

#include "platform/desktop/user_file.h"
#include "platform/window/surface_colours.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgGenerator>
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

std::optional<PictureFormat> PictureFormatOf(const QString& fileName)
{
    const QString ending = QFileInfo(fileName).suffix().toLower();
    if (ending == QLatin1String("png"))
        return PictureFormat::Png;
    if (ending == QLatin1String("jpg") || ending == QLatin1String("jpeg"))
        return PictureFormat::Jpeg;
    if (ending == QLatin1String("svg"))
        return PictureFormat::Svg;
    return std::nullopt;
}

QString PictureEndings()
{
    return QStringLiteral(".png, .jpg, .jpeg or .svg");
}

QByteArray ChartPicture(const ChartVoyage& voyage, QSize size, PictureFormat format)
{
    View view = FitView(TrackPlanePoints(voyage), size.width(), size.height(), 40);
    view.MetresPerPixel = std::min(view.MetresPerPixel, CoarsestScale(voyage.Ellipsoid, size.width()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(), size));
        generator.setTitle(QStringLiteral("Dead reckoning chart"));
        generator.setDescription(DescribeVoyage(voyage));
        {
            QPainter painter(&generator); // the picture is written when it ends
            DrawChart(painter, view, voyage, WorldLand());
        }
        return buffer.data();
    }
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        DrawChart(painter, view, voyage, WorldLand());
    }
    if (!image.save(&buffer, format == PictureFormat::Jpeg ? "JPEG" : "PNG"))
        return {};
    return buffer.data();
}

TChartForm::TChartForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TChartForm"));
    setWindowTitle(QStringLiteral("Chart \u2014 Dead Reckoning"));
    setAccessibleName(QStringLiteral("Chart of the voyage"));
    ChartView1 = new ChartView(this);
    ChartView1->setObjectName(QStringLiteral("ChartView1"));
    FitButton = new QPushButton(QStringLiteral("&Fit"), this);
    FitButton->setObjectName(QStringLiteral("FitButton"));
    FitButton->setToolTip(QStringLiteral("Show the whole voyage"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChartView1, 1);
    layout->addLayout(buttons);
    connect(FitButton, &QPushButton::clicked, ChartView1, &ChartView::Fit);
    // The button and the frame keep light surfaces, as the main window does;
    // the chart paints its own.
    platform::KeepReadableSurfaces(*this);
    ChartView1->SetLand(WorldLand());
    ChartView1->setFocus();
}

void TChartForm::ShowVoyage(const ChartVoyage& voyage)
{
    ChartView1->SetVoyage(voyage);
}

} // namespace chart
