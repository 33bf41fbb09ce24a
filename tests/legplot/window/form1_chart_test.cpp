// The chart of the voyage, through the dead-reckoning window's keys: it
// follows what is typed, the display format and a pole; and its picture.
#include "form1_test_support.h"

#include "chart/window/chart_form.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QPushButton>
#include <QSvgGenerator>

namespace {

using namespace testsupport;

QString Result(const Window& w, const QString& name)
{
    for (const QLabel* label : w->findChildren<QLabel*>())
        if (label->accessibleName() == name)
            return label->text();
    return {};
}

TEST(Form1Chart, ChartFollowsTheVoyageTheFormatAndAPole)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    Window w;
    Key(Qt::Key_M, Qt::ControlModifier);
    chart::TChartForm* chartForm = w->ChartWindow();
    ASSERT_NE(chartForm, nullptr);
    EXPECT_TRUE(chartForm->isVisible());
    EXPECT_TRUE(chartForm->windowFlags() & Qt::Window) << "a window of its own";
    ShowActive(*w.form);

    w.TypeAndLeave(w->lat_edit, "4000");
    w.TypeAndLeave(w->lon_edit, "02000");
    w.TypeAndLeave(w->EorW, "W");
    w.TypeAndLeave(w->MaskEdit21, "090.0");
    w.TypeAndLeave(w->MaskEdit16, "10.0");
    w.TypeAndLeave(w->Maskedit11, "05:00");
    chart::ChartView* view = chartForm->ChartView1;
    const QString leg1 = QStringLiteral("Leg 1 end ") + Result(w, QStringLiteral("Leg 1 end latitude")) + ' ' +
                         Result(w, QStringLiteral("Leg 1 end longitude"));
    EXPECT_TRUE(view->accessibleDescription().contains(leg1)) << view->accessibleDescription().toStdString();

    // Fitted on demand, the leg is drawn halfway between its ends.
    QTest::mouseClick(chartForm->FitButton, Qt::LeftButton);
    const chart::View& v = view->CurrentView();
    const geo::Ellipsoid& e = w->Plan().CurrentEllipsoid;
    const chart::PlanePoint a = chart::Project(e, 40, -20), b = chart::Project(e, w->Plan().Legs[0].EndLat,
                                                                               w->Plan().Legs[0].EndLon);
    const QImage image = view->grab().toImage();
    const QColor halfway = image.pixelColor(static_cast<int>(std::lround(v.PixelX((a.X + b.X) / 2))),
                                            static_cast<int>(std::lround(v.PixelY((a.Y + b.Y) / 2))));
    EXPECT_GT(halfway.red(), 150);
    EXPECT_LT(halfway.green(), 100);

    // The display format: the chart names its points the window's way.
    QTest::mouseClick(w->RadioGroup1->Item(1), Qt::LeftButton);
    EXPECT_TRUE(view->accessibleDescription().contains(Result(w, QStringLiteral("Leg 1 end longitude"))));
    EXPECT_TRUE(Result(w, QStringLiteral("Leg 1 end longitude")).contains('"')) << "DMS";

    // A leg past the pole is not drawn, and the chart says why.
    w.TypeAndLeave(w->lat_edit, "89*00'00\"");
    w.TypeAndLeave(w->MaskEdit22, "000.0");
    w.TypeAndLeave(w->MaskEdit17, "99.9");
    w.TypeAndLeave(w->Maskedit12, "99:00");
    const QString described = view->accessibleDescription();
    EXPECT_TRUE(described.contains(QStringLiteral("Leg 2 and the legs after it are not drawn: it passes a pole")))
        << described.toStdString();
    EXPECT_FALSE(described.contains(QStringLiteral("Leg 2 end")));
    EXPECT_TRUE(described.contains(QStringLiteral("Leg 1 end")));
}

// Leg 1 typed and left, field by field.
void SailLeg1(Window& w, const char* course, const char* speed, const char* interval)
{
    w.TypeAndLeave(w->MaskEdit21, course);
    w.TypeAndLeave(w->MaskEdit16, speed);
    w.TypeAndLeave(w->Maskedit11, interval);
}

TEST(Form1Chart, ExportedChartIsAPictureWrittenWhole)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    QTemporaryDir dir;
    Answers answers;
    Window w;
    SailLeg1(w, "045.0", "12.0", "10:00");
    answers.fileName = dir.filePath(QStringLiteral("voyage"));
    Menu(Qt::Key_H); // the chart window never opened
    QImage png(dir.filePath(QStringLiteral("voyage.png")));
    EXPECT_EQ(png.size(), QSize(1200, 900));

    answers.fileName = dir.filePath(QStringLiteral("voyage.svg"));
    Menu(Qt::Key_H);
    QFile svg(answers.fileName);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg") && text.contains("Leg 1 end")) << text.left(300).toStdString();

    answers.fileName = dir.filePath(QStringLiteral("no such folder/voyage.png"));
    Menu(Qt::Key_H);
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w.errors.messages.first(),
              QStringLiteral("The chart could not be exported to %1: No such file or directory").arg(answers.fileName));
    EXPECT_TRUE(w.errors.messages.size() == 1);
}

TEST(Form1Chart, ExportWritesTheKindOfPictureItsNameSays)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    QTemporaryDir dir;
    Answers answers;
    Window w;
    SailLeg1(w, "045.0", "12.0", "10:00");
    const struct {
        const char* name;
        QByteArray begins; // empty: refused
    } cases[] = {
        {"chart.png", "\x89PNG"},      {"chart.jpg", "\xFF\xD8\xFF"}, {"chart.JPEG", "\xFF\xD8\xFF"},
        {"chart.Svg", "<?xml"},        {"chart.SVG", "<?xml"},         {"chart.gif", {}},
        {"chart.png.txt", {}},
    };
    for (const auto& c : cases) {
        answers.fileName = dir.filePath(QString::fromLatin1(c.name));
        Menu(Qt::Key_H);
        if (c.begins.isEmpty()) {
            ASSERT_EQ(w.errors.messages.size(), 1) << c.name;
            EXPECT_EQ(w.errors.messages.takeFirst(),
                      QStringLiteral("The chart could not be exported to %1: its ending names no picture this "
                                     "program writes; it writes .png, .jpg, .jpeg or .svg")
                          .arg(answers.fileName));
            EXPECT_FALSE(QFile::exists(answers.fileName)) << c.name;
            continue;
        }
        EXPECT_TRUE(w.errors.messages.isEmpty()) << c.name;
        EXPECT_TRUE(FileBytes(answers.fileName).startsWith(c.begins)) << c.name;
    }
}

// The texts the chart window draws, as SVG.
QString DrawnTexts(QWidget& view)
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(view.size());
    view.render(&generator);
    return QString::fromUtf8(svg.data());
}

TEST(Form1Chart, EveryLegIsDrawnAsSailedAndEveryMeridianLabelledOnce)
{
    chart::SetLandFolder(QStringLiteral(VORLAN_SOURCE_DIR "/chart/data"));
    QTemporaryDir dir;
    Answers answers;
    Window w;
    // Across 180 degrees: the window's chart and the exported one name the
    // 180th meridian alike, east as the angle texts give +180.
    w.TypeAndLeave(w->lon_edit, "17930");
    SailLeg1(w, "090.0", "10.0", "06:00");
    Key(Qt::Key_M, Qt::ControlModifier);
    chart::ChartView* view = w->ChartWindow()->ChartView1;
    ShowActive(*w.form);
    answers.fileName = dir.filePath(QStringLiteral("across.svg"));
    Menu(Qt::Key_H);
    const QString degree = QString::fromUtf8("\u00b0");
    for (const QString& drawn : {DrawnTexts(*view), QString::fromUtf8(FileBytes(answers.fileName))}) {
        EXPECT_TRUE(drawn.contains(QStringLiteral("180") + degree + QStringLiteral("00'00 E"))) << drawn.left(200).toStdString();
        EXPECT_FALSE(drawn.contains(QStringLiteral("180") + degree + QStringLiteral("00'00 W")));
    }

    // More than half a turn east is sailed east, across Asia to Hudson Bay,
    // and drawn so: halfway it passes Siberia, not Greenland.
    w.TypeAndLeave(w->lat_edit, "6000");
    w.TypeAndLeave(w->lon_edit, "00000");
    w.TypeAndLeave(w->MaskEdit16, "99.9");
    w.TypeAndLeave(w->Maskedit11, "80:00");
    EXPECT_GT(w.Leg(1).EndLon, 265) << "stored east, past 180";
    EXPECT_TRUE(w->Label12->text().startsWith(Q("094*4")) && w->Label12->text().endsWith(QStringLiteral(" W")))
        << w->Label12->text().toStdString();
    QTest::mouseClick(w->ChartWindow()->FitButton, Qt::LeftButton);
    const chart::View& v = view->CurrentView();
    const chart::PlanePoint halfway = chart::Project(w->Plan().CurrentEllipsoid, 60, w.Leg(1).EndLon / 2);
    const QColor drawn = view->grab().toImage().pixelColor(static_cast<int>(std::lround(v.PixelX(halfway.X))),
                                                           static_cast<int>(std::lround(v.PixelY(halfway.Y))));
    EXPECT_GT(drawn.red(), 150);
    EXPECT_LT(drawn.green(), 100);
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

} // namespace
