// The UTM windows, typed into with real keys: they show the command lines'
// texts, and say what they refuse.
#include "grid/core/command_lines.h"
#include "grid/window/grid_in_form.h"
#include "grid/window/grid_out_form.h"

#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "qt_test_support.h"
#include "printed_page.h"

#include <QComboBox>
#include <QLabel>

namespace {

using namespace testsupport;

// What the window shows, and what a screen reader hears: each result's
// name and its value.
std::string Shown(const std::vector<QLabel*>& results)
{
    std::string shown;
    for (const QLabel* result : results) {
        EXPECT_EQ(result->accessibleDescription(), result->text()) << result->accessibleName().toStdString();
        shown += result->accessibleName().toStdString() + ": " + result->text().toStdString() + "\n";
    }
    return shown;
}

// A reason in the status bar is shown whole, not clipped.
void ExpectWhole(QLabel* status)
{
    QApplication::processEvents();
    EXPECT_FALSE(status->text().isEmpty());
    EXPECT_GE(status->height(), status->heightForWidth(status->width())) << status->text().toStdString();
}

TEST(GridForm, TypedPositionsShowTheCommandLinesTexts)
{
    ErrorRecorder errors;
    const struct {
        bool out;
        std::vector<QString> typed; // into the input fields, in tab order
        std::vector<std::string> arguments;
    } cases[] = {
        {true, {"5022", "N", "00408", "W"}, {"50\xC2\xB0" "22'00 N 004\xC2\xB0" "08'00 W"}},
        {true, {"7813", "N", "01539", "E"}, {"78.216666666666667 15.65"}},
        {false, {"30U", "418929.261", "5580391.516"}, {"30U", "418929.261", "5580391.516"}},
        {false, {"56s", "334368.6", "6250948.3"}, {"56s", "334368.6", "6250948.3"}},
    };
    for (const auto& c : cases) {
        grid::TGridOutForm out;
        grid::TGridInForm in;
        platform::ModuleWindow& form = c.out ? static_cast<platform::ModuleWindow&>(out) : in;
        ShowActive(form);
        const std::vector<QLineEdit*> fields = c.out ? std::vector<QLineEdit*>{out.Position.Lat, out.Position.NorS, out.Position.Lon, out.Position.EorW}
                                                     : std::vector<QLineEdit*>{in.ZoneEdit, in.EastingEdit, in.NorthingEdit};
        for (std::size_t i = 0; i < fields.size(); ++i)
            TypeAndLeave(fields[i], c.typed[i]);
        std::string printed, err;
        const int status = c.out ? grid::RunGridOut(c.arguments, printed, err) : grid::RunGridIn(c.arguments, printed, err);
        ASSERT_EQ(status, 0) << err;
        EXPECT_EQ(Shown(c.out ? out.Results : in.Results), printed);
        EXPECT_TRUE(form.StatusMessage->text().isEmpty()) << form.StatusMessage->text().toStdString();
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST(GridForm, RefusalsAreSaidAndTheNeighbourZoneIsOffered)
{
    ErrorRecorder errors;
    grid::TGridInForm in;
    ShowActive(in);
    TypeAndLeave(in.ZoneEdit, QStringLiteral("30T"));
    TypeAndLeave(in.EastingEdit, QStringLiteral("418929.261"));
    TypeAndLeave(in.NorthingEdit, QStringLiteral("5580391.516"));
    EXPECT_EQ(in.StatusMessage->text(), QStringLiteral("the position lies in band U, not T"));
    EXPECT_NE(QApplication::focusWidget(), in.NorthingEdit) << "the grid fields stay free";

    grid::TGridOutForm out;
    ShowActive(out);
    TypeAndLeave(out.Position.Lat, QStringLiteral("5148"));
    TypeAndLeave(out.Position.Lon, QStringLiteral("00030"));
    ASSERT_EQ(out.ZoneBox->count(), 2); // 32 is too far from its meridian to take the position
    EXPECT_EQ(out.ZoneBox->itemText(1), QStringLiteral("30"));
    out.ZoneBox->setFocus();
    QTest::keyClick(out.ZoneBox, Qt::Key_Down);
    EXPECT_EQ(out.Results[0]->text(), QStringLiteral("30U"));
    TypeAndLeave(out.Position.Lat, QStringLiteral("5175"));
    EXPECT_EQ(out.StatusMessage->text(), QStringLiteral("Wrong Minutes !")); // as the dead-reckoning start says it
    EXPECT_EQ(QApplication::focusWidget(), out.Position.Lat);
    Press(QStringLiteral("<Esc>"));
    EXPECT_EQ(out.StatusMessage->text(), QString()) << "Escape brought the field back";
    DarkDesktop dark; // readable under a dark scheme too
    ExpectReadable(out);
    ExpectReadable(in);
}

// A refused entry leaves no results beside it, on the screen or on the
// page; the zone list offers only zones the window takes.
TEST(GridForm, RefusedEntriesClearTheResultsAndOnlyZonesThatTakeThePositionAreOffered)
{
    ErrorRecorder errors;
    grid::TGridInForm in;
    ShowActive(in);
    TypeAndLeave(in.ZoneEdit, QStringLiteral("30U"));
    TypeAndLeave(in.EastingEdit, QStringLiteral("418929.261"));
    TypeAndLeave(in.NorthingEdit, QStringLiteral("5580391.516"));
    ASSERT_FALSE(in.Results[0]->text().isEmpty());
    for (const QString& northing : {QStringLiteral("99999999"), QStringLiteral("nan")}) {
        TypeAndLeave(in.NorthingEdit, northing);
        for (const QLabel* result : in.Results)
            EXPECT_TRUE(result->text().isEmpty()) << northing.toStdString() << ": " << result->text().toStdString();
        ExpectWhole(in.StatusMessage);
        // The page says what was refused, not the figures of the entry before.
        const QString page = PrintedPage();
        EXPECT_TRUE(page.contains(QStringLiteral("Northing : ") + northing + QStringLiteral(" m"))) << page.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("Refused : ") + in.StatusMessage->text().left(40))) << page.toStdString();
        EXPECT_FALSE(page.contains(QStringLiteral("Latitude : "))) << page.toStdString();
        EXPECT_EQ(page.count(QStringLiteral("WGS 84")), 1) << "the ellipsoid named once";
    }

    const struct {
        QString lat, lon;
        QStringList offered;
    } places[] = {
        {QStringLiteral("6000"), QStringLiteral("00500"), {QStringLiteral("Standard"), QStringLiteral("31")}}, // Norway's 32: 33 is too far
        {QStringLiteral("1000"), QStringLiteral("17930"), {QStringLiteral("Standard"), QStringLiteral("1")}},  // across 180
        {QStringLiteral("1000"), QStringLiteral("17930"), {QStringLiteral("Standard"), QStringLiteral("60")}}, // and west of it
        {QStringLiteral("8500"), QStringLiteral("01000"), {QStringLiteral("Standard")}},                                          // UPS
    };
    bool west = false;
    for (const auto& p : places) {
        grid::TGridOutForm out;
        ShowActive(out);
        TypeAndLeave(out.Position.Lat, p.lat);
        TypeAndLeave(out.Position.Lon, p.lon);
        if (west) {
            QTest::mouseClick(out.Position.EorW, Qt::LeftButton);
            QApplication::processEvents();
        }
        west = !west && p.lon == QStringLiteral("17930");
        QStringList offered;
        for (int i = 0; i < out.ZoneBox->count(); ++i)
            offered << out.ZoneBox->itemText(i);
        EXPECT_EQ(offered, p.offered) << p.lat.toStdString() << ' ' << p.lon.toStdString();
        out.ZoneBox->setFocus();
        for (int i = 1; i < out.ZoneBox->count(); ++i) {
            QTest::keyClick(out.ZoneBox, Qt::Key_Down);
            EXPECT_TRUE(out.StatusMessage->text().isEmpty()) << out.StatusMessage->text().toStdString();
            EXPECT_TRUE(out.Results[0]->text().startsWith(out.ZoneBox->currentText())) << out.Results[0]->text().toStdString();
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

// A page that cannot be printed names itself in the failure.
TEST(GridForm, AFailedPrintNamesThePage)
{
    const QString nowhere = QStringLiteral("/nonexistent-folder/page.pdf");
    ErrorRecorder errors;
    {
        grid::TGridOutForm out;
        ShowActive(out);
        Enter(out.Position.Lat);
        PrintedPage(nowhere);
    }
    {
        grid::TGridInForm in;
        ShowActive(in);
        Enter(in.ZoneEdit);
        PrintedPage(nowhere);
    }
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_TRUE(errors.messages[0].startsWith(QStringLiteral("The grid position could not be printed to ") + nowhere))
        << errors.messages[0].toStdString();
    EXPECT_TRUE(errors.messages[1].startsWith(QStringLiteral("The geographic position could not be printed to ") + nowhere))
        << errors.messages[1].toStdString();
}

} // namespace
