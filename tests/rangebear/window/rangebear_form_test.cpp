// The distance-and-course window, typed into with real keys: it shows the
// command line's texts, and refuses what the dead-reckoning start refuses.
#include "rangebear/core/command_line.h"
#include "rangebear/window/rangebear_form.h"

#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "printed_page.h"
#include "qt_test_support.h"

#include "platform/print/printing.h"

#include <QAbstractButton>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLabel>

namespace {

using namespace testsupport;

std::string Latin1(std::string s)
{
    for (std::size_t at; (at = s.find("\xC2\xB0")) != std::string::npos;)
        s.replace(at, 2, "\xB0");
    return s;
}

TEST(RangeBearForm, TypedPositionsShowTheCommandLinesTexts)
{
    ErrorRecorder errors;
    const struct {
        const char *fromLat, *fromNorS, *fromLon, *fromEorW, *toLat, *toNorS, *toLon, *toEorW;
        int format;
        const char* ellipsoid;
        const char *from, *to; // the same positions for the command line
    } cases[] = {
        {"5021", "N", "00408", "W", "4041", "N", "07402", "W", 0, "WGS 84", "50\xC2\xB0" "21'00 N 004\xC2\xB0" "08'00 W",
         "40\xC2\xB0" "41'00 N 074\xC2\xB0" "02'00 W"},
        {"17300000", "S", "17824000", "E", "14120000", "S", "17142000", "W", 2, "Airy", "-17.5 178.4", "-14.2 -171.7"},
        {"450000", "N", "0100000", "W", "450000", "N", "0200000", "E", 1, "Intern.(Hayf)", "45 -10", "45 20"},
    };
    for (const auto& c : cases) {
        rangebear::TRangeBearForm form;
        ShowActive(form);
        QTest::mouseClick(form.DisplayGroup->Item(c.format), Qt::LeftButton);
        ASSERT_EQ(form.DisplayGroup->ItemIndex(), c.format);
        form.EllipsoidBox->setFocus();
        while (form.EllipsoidBox->currentText() != QLatin1String(c.ellipsoid))
            QTest::keyClick(form.EllipsoidBox, form.EllipsoidBox->currentIndex() > form.EllipsoidBox->findText(QLatin1String(c.ellipsoid)) ? Qt::Key_Up : Qt::Key_Down);
        TypePosition(form.From, c.fromLat, c.fromNorS, c.fromLon, c.fromEorW);
        TypePosition(form.To, c.toLat, c.toNorS, c.toLon, c.toEorW);

        const char* formats[] = {"DM.dd", "DMS", "DMS.sss"};
        std::string out, err;
        ASSERT_EQ(rangebear::RunCommandLine({"--ellipsoid", c.ellipsoid, "--format", formats[c.format], c.from, c.to}, out, err), 0) << err;
        std::string shown;
        for (const QLabel* result : form.Results) {
            // A screen reader hears each result's name and its value.
            EXPECT_EQ(result->accessibleDescription(), result->text()) << result->accessibleName().toStdString();
            shown += result->accessibleName().toStdString() + ": " + result->text().toLatin1().toStdString() + "\n";
        }
        EXPECT_EQ(shown, Latin1(out)) << c.from;
        EXPECT_TRUE(errors.messages.isEmpty());
    }
}

TEST(RangeBearForm, RefusedEntryKeepsTheFieldAndSaysWhy)
{
    ErrorRecorder errors;
    rangebear::TRangeBearForm form;
    ShowActive(form);
    const QString before = form.Results[0]->text();
    TypeAndLeave(form.To.Lat, "5075"); // 75 minutes
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("Wrong Minutes !"));
    EXPECT_EQ(QApplication::focusWidget(), form.To.Lat);
    QTest::keyClick(form.To.Lat, Qt::Key_Escape); // the stored latitude back: nothing is wrong any more
    EXPECT_EQ(form.StatusMessage->text(), QString());
    TypeAndLeave(form.To.Lat, "5075");
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("Wrong Minutes !"));
    TypeAndLeave(form.To.Lat, "5030");
    EXPECT_EQ(form.StatusMessage->text(), QString());
    TypeAndLeave(form.To.NorS, "x");
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("N or S"));
    EXPECT_EQ(QApplication::focusWidget(), form.To.NorS);
    EXPECT_NE(form.Results[0]->text(), before);
    {
        DarkDesktop dark; // readable under a dark scheme too
        ExpectReadable(form);
    }
    // File > Print by its keys, to a PDF file: the results on the page.
    const QString page = PrintedPage();
    EXPECT_TRUE(page.contains(QStringLiteral("Geodesic distance : ") + form.Results[3]->text())) << page.toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    // A page that cannot be printed names itself in the failure.
    PrintedPage(QStringLiteral("/nonexistent-folder/page.pdf"));
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].startsWith(QStringLiteral("The distance and course could not be printed to /nonexistent-folder/page.pdf")))
        << errors.messages[0].toStdString();
}

// A position keeps the figures it was typed with: tabbing through it in a
// coarser format changes nothing, and in its own format it shows, and
// prints, as typed (a text made again from the number could end a
// thousandth lower).
TEST(RangeBearForm, APositionKeepsItsTypedFigures)
{
    ErrorRecorder errors;
    rangebear::TRangeBearForm form;
    ShowActive(form);
    QTest::mouseClick(form.DisplayGroup->Item(2), Qt::LeftButton);
    TypeAndLeave(form.From.Lat, "50211512");
    TypeAndLeave(form.From.Lon, "004083012");
    TypeAndLeave(form.To.Lat, "40000000");
    const QString course = form.Results[0]->text();
    QTest::mouseClick(form.DisplayGroup->Item(0), Qt::LeftButton);
    Enter(form.From.Lat);
    Tab(form.From.Lat);
    Tab(form.From.NorS);
    Tab(form.From.Lon);
    QTest::mouseClick(form.DisplayGroup->Item(2), Qt::LeftButton);
    EXPECT_EQ(form.Results[0]->text(), course);
    EXPECT_EQ(form.From.Lat->Text(), "50\xB0" "21'15\"120");
    EXPECT_EQ(form.From.Lon->Text(), "004\xB0" "08'30\"120");
    Enter(form.From.Lat);
    const QString page = PrintedPage();
    EXPECT_TRUE(page.contains(QStringLiteral("From : 50\u00B021'15\"120 N"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("004\u00B008'30\"120 E"))) << page.toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

} // namespace
