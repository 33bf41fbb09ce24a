// What the screen and the page show is what was computed: the departure
// time as it is sailed from, no figures for legs past a pole, and a print
// that did not reach its file or printer reported as such.
#include "form1_test_support.h"

#include "full_folder.h"
#include "private_cups.h"

#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

using testsupport::ClickIntoStart;
using testsupport::Key;
using testsupport::PrintFromTheMenu;
using testsupport::PrintThroughTheMenu;
using testsupport::Q;
using testsupport::Type;
using testsupport::Window;

TEST(Form1Figures, DepartureTimeShowsTheTimeOfDayItIsSailedFrom)
{
    Window w;
    const struct {
        const char* typed;
        const char* shown;
    } times[] = {{"3412", "10:12"}, {"2500", "01:00"}, {"1275", "13:15"}, {"2375", "00:15"},
                 {"0830", "08:30"}, {"2359", "23:59"}, {"2430", "00:30"}};
    for (const auto& t : times) {
        ClickIntoStart(w->TimePicker);
        Type(t.typed);
        Key(Qt::Key_Tab);
        EXPECT_EQ(w->TimePicker->Text(), t.shown) << t.typed;
        EXPECT_FALSE(w->TimePicker->InError()) << t.typed;
        EXPECT_EQ(w->Label29->text(), QString::fromLatin1(t.shown)) << t.typed; // leg 1 is empty: its arrival
    }
    ClickIntoStart(w->TimePicker);
    Type("3412");
    Key(Qt::Key_Tab);
    const QString page = PrintFromTheMenu();
    EXPECT_TRUE(page.contains(QStringLiteral("Time : 10:12"))) << page.toStdString();
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

// A voyage from 89°N whose third leg, 99.9 kt for 99:99, runs past the pole.
void SailPastThePole(Window& w)
{
    ClickIntoStart(w->lat_edit);
    Type("890000");
    Key(Qt::Key_Tab);
    ClickIntoStart(w->MaskEdit21);
    // Course, speed and interval of legs 1 to 3, row by row with Tab.
    for (const char* field : {"0000", "100", "0100", "0000", "100", "0100", "0000", "999", "9999"}) {
        Type(field);
        Key(Qt::Key_Tab);
    }
}

TEST(Form1Figures, LegsPastAPoleShowNoFiguresOnScreenOrPage)
{
    Window w;
    SailPastThePole(w);
    EXPECT_EQ(w.errors.messages.last(), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Leg 3 passes a pole"));
    EXPECT_NE(w->Label8->text(), Q("--*--'--")); // leg 2 has its figures
    for (QLabel* lat : {w->Label9, w->Label10, w->Label11})
        EXPECT_EQ(lat->text(), Q("--*--'--"));
    for (QLabel* lon : {w->Label15, w->Label16, w->Label17})
        EXPECT_EQ(lon->text(), Q("---*--'--"));
    for (QLabel* arrival : {w->Label26, w->Label27, w->Label28, w->Label31, w->Label32, w->Label33})
        EXPECT_TRUE(arrival->text().isEmpty());

    // The page prints leg 3 the same way; legs 4 and 5 have no interval.
    QString page = PrintFromTheMenu();
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\n *0\\.0 +99\\.9 +99:99 +--°--'-- +---°--'-- *\\n"))))
        << page.toStdString();

    // A third leg that stays off the pole brings every figure back.
    ClickIntoStart(w->Maskedit13);
    Type("0001");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_NE(w->Label9->text(), Q("--*--'--"));
    EXPECT_FALSE(w->Label31->text().isEmpty());
    page = PrintFromTheMenu();
    EXPECT_FALSE(page.contains(QStringLiteral("--'--"))) << page.toStdString();
}

TEST(Form1Figures, PrintsThatFailAreReportedNamingTheFileOrPrinter)
{
    Window w;
    testsupport::FullFolder full;
    full.WhileFull([&] {
        PrintThroughTheMenu([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(full.File());
        });
    });
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w.errors.messages[0],
              QStringLiteral("The voyage could not be printed to %1: %2").arg(full.File(), full.Reason()));
    QFile file(full.File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("an earlier voyage"));

    testsupport::PrivateCups cups;
    ASSERT_TRUE(cups.Ready()) << cups.Log().toStdString();
    const QString queue = QString::fromLatin1(testsupport::PrivateCups::Queue);
    const auto onQueue = [&](QPrinter& printer) { printer.setPrinterName(queue); };
    PrintThroughTheMenu(onQueue);
    EXPECT_EQ(w.errors.messages.size(), 1); // printed: nothing said
    ASSERT_TRUE(cups.Admin(QStringLiteral("cupsreject"), {queue}));
    PrintThroughTheMenu(onQueue);
    ASSERT_EQ(w.errors.messages.size(), 2);
    EXPECT_EQ(w.errors.messages[1], QStringLiteral("The voyage could not be printed on %1: "
                                                   "Destination \"%1\" is not accepting jobs.")
                                        .arg(queue));
}

} // namespace
