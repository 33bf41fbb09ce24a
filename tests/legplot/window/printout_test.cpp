#include "form1_test_support.h"
#include "legplot/window/voyage_printout.h"
#include "recording_canvas.h"

#include <QAbstractButton>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// The dead-reckoning page: no document name, a failure names the voyage.
const platform::PrintJob Voyage{QString(), QStringLiteral("The voyage could not be printed")};

using testsupport::RecordingCanvas;
using testsupport::T;
using testsupport::Window;
using Line = std::vector<std::string>;

// 4800 x 6600 printer pixels: u = 600, v = 165.
constexpr int U = 600, V = 165;

RecordingCanvas PrintOf(Window& w)
{
    RecordingCanvas canvas(4800, 6600);
    legplot::PrintVoyage(canvas, w->Plan(),
                         {w->TimePicker->Text(), static_cast<geo::AngleFormat>(w->RadioGroup1->ItemIndex())});
    return canvas;
}

void FillLeg(Window& w, platform::MaskEdit* course, const char* c, platform::MaskEdit* speed, const char* s,
             platform::PictureField* interval, const char* i)
{
    w.TypeAndLeave(course, c);
    w.TypeAndLeave(speed, s);
    w.TypeAndLeave(interval, i);
}

TEST(Printout, RightAfterOpeningPrintsTheStartOnly)
{
    Window w;
    const RecordingCanvas page = PrintOf(w);
    ASSERT_EQ(page.texts.size(), 13u); // title, start heading, four start texts, seven headings
    EXPECT_EQ(page.texts[0].text, "Dead Reckoning :    Time : 00:00");
    EXPECT_EQ(page.texts[0].x, U);
    EXPECT_EQ(page.texts[0].y, 0);
    EXPECT_TRUE(page.texts[0].bold);
    EXPECT_EQ(page.texts[0].points, 10);
    EXPECT_EQ(page.texts[0].family, "Arial");
    EXPECT_EQ(page.Line(2 * V), Line({"Starting At :"}));
    EXPECT_EQ(page.Line(3 * V), Line({"Latitude : ", T("00*00'00 N")}));
    EXPECT_EQ(page.Line(4 * V), Line({"Longitude : ", T("000*00'00 E")}));
    EXPECT_EQ(page.Line(6 * V), Line({"Course", "Speed", "Interval", "Latitude", "Longitude", "Date of Arr.",
                                      "Time of Arr."}));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(page.Line((7 + i) * V).empty());
}

TEST(Printout, FontsAndColumns)
{
    Window w;
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "1000");
    const RecordingCanvas page = PrintOf(w);
    for (const auto& t : page.texts) {
        const bool large = t.y == 0 || t.y == 2 * V || t.y == 6 * V;
        EXPECT_EQ(t.bold, large) << t.text;
        EXPECT_EQ(t.points, large ? 10 : 8) << t.text;
        EXPECT_EQ(t.family, "Arial");
    }
    // The headings and the leg's cells stand in the columns u, 2u, ... 7u.
    for (int y : {6 * V, 8 * V}) {
        int column = 0;
        for (const auto& t : page.texts) {
            if (t.y == y) {
                EXPECT_EQ(t.x, ++column * U) << t.text;
            }
        }
        EXPECT_EQ(column, 7) << "line " << y;
    }
    EXPECT_EQ(page.texts.back().x, 7 * U);
    EXPECT_EQ(page.texts.back().y, 8 * V);
}

TEST(Printout, EmptyLegKeepsItsRowEmpty)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "50*00'00");
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "1000");
    FillLeg(w, w->MaskEdit23, "180.0", w->MaskEdit18, "05.5", w->Maskedit13, "0130");
    const RecordingCanvas page = PrintOf(w);
    EXPECT_EQ(page.Line(8 * V).size(), 7u);
    EXPECT_TRUE(page.Line(9 * V).empty());
    const Line leg3 = page.Line(10 * V);
    ASSERT_EQ(leg3.size(), 7u);
    EXPECT_EQ(leg3[0], "180.0");
    EXPECT_EQ(leg3[1], "5.5");
    EXPECT_EQ(leg3[2], "01:30");
    EXPECT_EQ(leg3[6], "11:30");
}

TEST(Printout, FollowsTheDisplayFormatAtTheMomentOfPrinting)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "52*30'45");
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "0130");
    const RecordingCanvas dmdd = PrintOf(w);
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
    const RecordingCanvas dmssss = PrintOf(w);
    EXPECT_EQ(dmdd.Line(3 * V)[1], T("52*30'45 N"));
    EXPECT_EQ(dmssss.Line(3 * V)[1], T("52*30'27\"000 N"));
    EXPECT_EQ(dmssss.Line(8 * V)[3], geo::FormatAngle(geo::AngleFormat::DMSsss, false, w.Leg(1).EndLat));
}

TEST(Printout, ValuesNotYetLeftAreNotPrinted)
{
    Window w;
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "0130");
    w.Type(w->MaskEdit16, "20.0"); // typed, not left
    const RecordingCanvas page = PrintOf(w);
    EXPECT_EQ(page.Line(8 * V)[1], "12.0");
    EXPECT_EQ(page.Line(8 * V)[0], "45.0");
}

TEST(Printout, UnitsComeFromThePageInWholePixels)
{
    Window w;
    RecordingCanvas page(4807, 6639);
    legplot::PrintVoyage(page, w->Plan(), {"00:00", geo::AngleFormat::DMdd});
    EXPECT_EQ(page.Line(6 * 165).size(), 7u); // v = 165, the remainder dropped
    EXPECT_EQ(page.texts[0].x, 600);
}

// Prints through the real printer path to a PDF file and reads it back.
TEST(Printout, PdfHoldsTheTitleHeadingsAndALegInOrder)
{
    Window w;
    w->DatePicker->setDate(QDate(2026, 12, 6));
    w.TypeAndLeave(w->TimePicker, "0830");
    w.TypeAndLeave(w->lat_edit, "50*00'00");
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "1000");

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("voyage.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    const legplot::VoyagePlan before = w->Plan();
    platform::PrintOnePage(printer, Voyage, [&](platform::PrintCanvas& canvas) { w->PrintPage(canvas); });
    ASSERT_TRUE(QFile::exists(file));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // pdftotext folds runs of blanks; the title's three stay apart at least.
    const QRegularExpression titleLine(QStringLiteral("Dead Reckoning : ") +
                                       QRegularExpression::escape(QString::fromLatin1(before.DepartureDateText.c_str())) +
                                       QStringLiteral(" +Time : 08:30"));
    const qsizetype title = text.indexOf(titleLine);
    const qsizetype headings = text.indexOf(QStringLiteral("Course"));
    const qsizetype leg = text.indexOf(QStringLiteral("45.0"));
    EXPECT_GE(title, 0) << text.toStdString();
    EXPECT_GT(headings, title);
    EXPECT_GT(leg, headings);
    EXPECT_TRUE(text.contains(QStringLiteral("Starting At :")));
    EXPECT_TRUE(text.contains(QStringLiteral("50°00'00 N")));
    EXPECT_TRUE(text.contains(QStringLiteral("Time of Arr.")));
    EXPECT_EQ(w->Plan().Legs[0].EndLat, before.Legs[0].EndLat);
}

TEST(Printout, CancelledDialogPrintsNothingAndAFailedStartIsReported)
{
    Window w;
    int dialogs = 0;
    QTemporaryDir dir;
    const QString unreachable = dir.filePath(QStringLiteral("missing/folder/voyage.pdf"));
    platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(unreachable);
        return dialogs > 1; // the first is cancelled
    });
    w->FilePrintItem->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(w.errors.messages.isEmpty());

    const legplot::VoyagePlan before = w->Plan();
    w->FilePrintItem->trigger();
    EXPECT_EQ(dialogs, 2);
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w.errors.messages[0],
              QStringLiteral("The voyage could not be printed to %1: No such file or directory").arg(unreachable));
    EXPECT_EQ(w->Plan().DepartureDateText, before.DepartureDateText);
    EXPECT_TRUE(w->isVisible());
    platform::SetPrintDialog({});
}

// One text of the page: its place in units of u and v, its font, and its
// text in DM.dd, DMS and DMS.sss ('*' for the degree sign).
struct Cell {
    int u, v, points;
    bool bold;
    std::array<const char*, 3> text;
};

constexpr std::array<const char*, 3> Same(const char* text)
{
    return {text, text, text};
}

// A voyage from 50°30'45 N 004°15'27 W (DM.dd) with legs 1 and 3 sailed and
// leg 2 empty, so that leg 3 starts from 0°, 0°: every text of the page.
const Cell Page[] = {
    {1, 0, 10, true, Same("Dead Reckoning : 06/12/2026   Time : 08:30")},
    {1, 2, 10, true, Same("Starting At :")},
    {1, 3, 8, false, Same("Latitude : ")},
    {3, 3, 8, false, {"50*30'45 N", "50*30'27\" N", "50*30'27\"000 N"}},
    {1, 4, 8, false, Same("Longitude : ")},
    {3, 4, 8, false, {"004*15'27 W", "004*15'16\" W", "004*15'16\"200 W"}},
    {1, 6, 10, true, Same("Course")},
    {2, 6, 10, true, Same("Speed")},
    {3, 6, 10, true, Same("Interval")},
    {4, 6, 10, true, Same("Latitude")},
    {5, 6, 10, true, Same("Longitude")},
    {6, 6, 10, true, Same("Date of Arr.")},
    {7, 6, 10, true, Same("Time of Arr.")},
    {1, 8, 8, false, Same("45.0")},
    {2, 8, 8, false, Same("12.0")},
    {3, 8, 8, false, Same("06:00")},
    {4, 8, 8, false, {"51*21'31 N", "51*21'18\" N", "51*21'18\"482 N"}},
    {5, 8, 8, false, {"002*54'79 W", "002*54'47\" W", "002*54'47\"212 W"}},
    {6, 8, 8, false, Same("06/12/2026")},
    {7, 8, 8, false, Same("14:30")},
    {1, 10, 8, false, Same("200.1")},
    {2, 10, 8, false, Same("8.5")},
    {3, 10, 8, false, Same("04:30")},
    {4, 10, 8, false, {"00*36'10 S", "00*36'06\" S", "00*36'06\"000 S"}},
    {5, 10, 8, false, {"000*13'12 W", "000*13'07\" W", "000*13'07\"370 W"}},
    {6, 10, 8, false, Same("06/12/2026")},
    {7, 10, 8, false, Same("19:00")},
};

TEST(PrintedPage, EveryTextInItsPlaceAndFontInEachFormat)
{
    Window w;
    w->DatePicker->setDate(QDate(2026, 12, 6));
    w.TypeAndLeave(w->TimePicker, "0830");
    w.TypeAndLeave(w->lat_edit, "50*30'45");
    QTest::mouseClick(w->EorW, Qt::LeftButton); // W
    w.TypeAndLeave(w->lon_edit, "004*15'27");
    FillLeg(w, w->MaskEdit21, "045.0", w->MaskEdit16, "12.0", w->Maskedit11, "0600");
    FillLeg(w, w->MaskEdit23, "200.1", w->MaskEdit18, "08.5", w->Maskedit13, "0430");
    ASSERT_EQ(platform::LocaleDateSeparator(), '/');
    for (int format = 0; format < 3; ++format) {
        QTest::mouseClick(w->RadioGroup1->Item(format), Qt::LeftButton);
        const RecordingCanvas page = PrintOf(w);
        ASSERT_EQ(page.texts.size(), std::size(Page)) << "format " << format;
        for (std::size_t i = 0; i < std::size(Page); ++i) {
            const Cell& cell = Page[i];
            const testsupport::PrintedText& printed = page.texts[i];
            EXPECT_EQ(printed.text, T(cell.text[static_cast<std::size_t>(format)])) << "format " << format;
            EXPECT_EQ(printed.x, cell.u * U) << printed.text;
            EXPECT_EQ(printed.y, cell.v * V) << printed.text;
            EXPECT_EQ(printed.points, cell.points) << printed.text;
            EXPECT_EQ(printed.bold, cell.bold) << printed.text;
            EXPECT_EQ(printed.family, "Arial") << printed.text;
        }
    }
}

} // namespace

