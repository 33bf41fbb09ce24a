// The Sun-and-Moon window, typed into with real keys: it shows the
// command line's texts for the place, date and zone typed, refuses what
// it cannot take saying why, lets a screen reader walk its results, its
// picture and its month, and prints the day and the month.
#include "solara/core/command_line.h"
#include "solara/core/day_texts.h"
#include "solara/window/day_picture.h"
#include "solara/window/sun_moon_form.h"

#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "printed_page.h"
#include "qt_test_support.h"

#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

namespace {

using namespace testsupport;

// The zone list's item chosen with the arrow keys.
void ChooseZone(QComboBox* box, int item)
{
    Enter(box);
    for (int step = 0; step < 3 && box->currentIndex() != item; ++step)
        Press(box->currentIndex() < item ? QStringLiteral("<Down>") : QStringLiteral("<Up>"));
}

// What the window shows, as the command line prints it: "Name: value" lines.
std::string Shown(const solara::TSunMoonForm& form)
{
    std::string shown;
    for (const auto* results : {&form.SunResults, &form.MoonResults})
        for (const QLabel* result : *results) {
            // A screen reader hears each result's name and its value.
            EXPECT_EQ(result->accessibleDescription(), result->text()) << result->accessibleName().toStdString();
            shown += result->accessibleName().toStdString() + ": " + result->text().toUtf8().toStdString() + "\n";
        }
    return shown;
}

TEST(SunMoonForm, TypedPlaceDateAndZoneShowTheCommandLinesTexts)
{
    ErrorRecorder errors;
    const struct {
        const char *Lat, *NorS, *Lon, *EorW, *Height, *Day, *Month, *Year;
        int Zone;
        const char* Name; // typed into Zone name when Zone is the named zone
        const char *Position, *ZoneArgument, *Date; // the same for the command line
    } cases[] = {
        {"502212", "N", "0040824", "W", "10", "09", "12", "2026", solara::TSunMoonForm::NamedZone, "Europe/London",
         "50\xC2\xB0" "22'12 N 004\xC2\xB0" "08'24 W", "Europe/London", "2026-12-09"},
        {"502212", "N", "0040824", "W", "10", "29", "03", "2026", solara::TSunMoonForm::NamedZone, "europe/lon",
         "50\xC2\xB0" "22'12 N 004\xC2\xB0" "08'24 W", "Europe/London", "2026-03-29"},
        {"693900", "N", "0185760", "E", "0", "21", "06", "2024", solara::TSunMoonForm::ZoneTime, "",
         "69\xC2\xB0" "39'00 N 018\xC2\xB0" "57'60 E", "ZT", "2024-06-21"},
        {"335160", "S", "1511260", "E", "20", "05", "04", "2026", solara::TSunMoonForm::NamedZone, "Australia/Sydney",
         "33\xC2\xB0" "51'60 S 151\xC2\xB0" "12'60 E", "Australia/Sydney", "2026-04-05"},
        {"000000", "N", "1723000", "W", "2.5", "15", "06", "2026", solara::TSunMoonForm::ZoneTime, "",
         "0 -172.5", "ZT", "2026-06-15"},
        {"600900", "N", "0010900", "W", "0", "21", "06", "2024", solara::TSunMoonForm::UtcZone, "",
         "60\xC2\xB0" "09'00 N 001\xC2\xB0" "09'00 W", "UTC", "2024-06-21"},
    };
    for (const auto& c : cases) {
        solara::TSunMoonForm form;
        ShowActive(form);
        TypePosition(form.Position, QString::fromLatin1(c.Lat), QString::fromLatin1(c.NorS), QString::fromLatin1(c.Lon), QString::fromLatin1(c.EorW));
        TypeAndLeave(form.HeightEdit, QString::fromLatin1(c.Height));
        TypeDate(form.DateField, QString::fromLatin1(c.Day), QString::fromLatin1(c.Month), QString::fromLatin1(c.Year));
        if (c.Zone == solara::TSunMoonForm::NamedZone)
            TypeAndLeave(form.ZoneNameEdit, QString::fromLatin1(c.Name));
        else
            ChooseZone(form.ZoneBox, c.Zone);
        EXPECT_EQ(form.ZoneBox->currentIndex(), c.Zone) << c.Date;
        EXPECT_EQ(form.StatusMessage->text(), QString()) << c.Date;

        std::string out, err;
        ASSERT_EQ(solara::RunCommandLine({"--zone", c.ZoneArgument, "--height-of-eye", c.Height,
                                          c.Position, c.Date}, out, err), 0) << err;
        if (c.Zone == solara::TSunMoonForm::ZoneTime) { // "Zone time (ZD +12)" for "Time zone: ZD +12"
            EXPECT_EQ(form.ZoneBox->currentText().toStdString(), "Zone time (" + out.substr(11, out.find('\n') - 11) + ")");
        }
        const std::size_t days = out.find("Date: ");
        EXPECT_EQ(Shown(form), out.substr(out.find('\n', days) + 1)) << c.Date;
        EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    }
}

TEST(SunMoonForm, RefusedEntriesKeepTheFieldAndSayWhy)
{
    ErrorRecorder errors;
    solara::TSunMoonForm form;
    ShowActive(form);
    const QString sunrise = form.SunResults[3]->text();
    const struct {
        platform::Edit* Field;
        const char *Typed, *Message, *Restored;
    } cases[] = {
        {form.HeightEdit, "150", "The height of eye must be a number of metres from 0 to 100", "0"},
        {form.HeightEdit, "1,5", "The height of eye must be a number of metres from 0 to 100", "0"},
        {form.ZoneNameEdit, "Europe/Lundun", "There is no time zone Europe/Lundun in /usr/share/zoneinfo", ""},
        {form.ZoneNameEdit, "../passwd", "'../passwd' is not a time-zone name", ""},
    };
    for (const auto& c : cases) {
        TypeAndLeave(c.Field, QString::fromLatin1(c.Typed));
        EXPECT_EQ(form.StatusMessage->text(), QString::fromLatin1(c.Message)) << c.Typed;
        EXPECT_EQ(QApplication::focusWidget(), c.Field) << c.Typed;
        EXPECT_EQ(form.SunResults[3]->text(), sunrise) << "nothing recomputed for " << c.Typed;
        Press(QStringLiteral("<Esc>")); // what the field stored comes back, and nothing is wrong any more
        EXPECT_EQ(c.Field->text(), QString::fromLatin1(c.Restored)) << c.Typed;
        EXPECT_EQ(form.StatusMessage->text(), QString()) << c.Typed;
    }
    // The named zone chosen before any name was typed: the name is asked for.
    Enter(form.ZoneBox);
    Press(QStringLiteral("<End>"));
    EXPECT_EQ(form.ZoneBox->currentIndex(), solara::TSunMoonForm::UtcZone);
    EXPECT_EQ(QApplication::focusWidget(), form.ZoneNameEdit);
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("Type the zone's name in Zone name, as Europe/London"));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(SunMoonForm, APictureOfTheDayAndAMonthTableAScreenReaderWalks)
{
    ErrorRecorder errors;
    solara::TSunMoonForm form;
    ShowActive(form);
    TypePosition(form.Position, QStringLiteral("502212"), {}, QStringLiteral("0040824"), QStringLiteral("W"));
    const QDate today = QDate::currentDate();
    TypeDate(form.DateField, QStringLiteral("%1").arg(today.day(), 2, 10, QLatin1Char('0')),
             QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0')), QString::number(today.year()));
    const solara::DayPicture& picture = *form.Picture;
    ASSERT_TRUE(picture.Now().has_value()) << "the present time is marked on today's date";
    EXPECT_NEAR(*picture.Now(), static_cast<double>(QDateTime::currentSecsSinceEpoch()), 5.0);
    TypeDate(form.DateField, QStringLiteral("09"), QStringLiteral("12"), QStringLiteral("2026"));
    if (today != QDate(2026, 12, 9)) {
        EXPECT_FALSE(picture.Now().has_value()) << "the present time is marked on today's date only";
    }

    // The picture: the day's altitudes every five minutes, heard by name with the day's course.
    ASSERT_EQ(picture.Samples().size(), 289u);
    EXPECT_EQ(AccessibleNames(&form).at(&picture), QStringLiteral("Altitudes of the Sun and the Moon"));
    EXPECT_TRUE(picture.accessibleDescription().startsWith(QStringLiteral("Sunrise ") + form.SunResults[3]->text()))
        << picture.accessibleDescription().toStdString();
    double highest = -90;
    for (const solara::AltitudeSample& s : picture.Samples())
        highest = std::max(highest, s.Sun);
    EXPECT_NEAR(highest, 16 + 47.1 / 60, 0.01) << "the meridian altitude, 16\xC2\xB0" "47.1'";

    // The month: a row a day, each cell to the minute.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(form.Tabs->currentWidget(), form.MonthTable);
    ASSERT_EQ(form.MonthTable->rowCount(), 31);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.MonthTable);
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Month table"));
    EXPECT_EQ(table->tableInterface()->cellAt(8, 0)->text(QAccessible::Name), QStringLiteral("09 Wed"));
    QString sunrise = form.SunResults[3]->text(); // hh:mm:ss, to the minute
    const QTime rounded = QTime::fromString(sunrise, QStringLiteral("hh:mm:ss")).addSecs(30);
    EXPECT_EQ(table->tableInterface()->cellAt(8, 4)->text(QAccessible::Name), rounded.toString(QStringLiteral("hh:mm")));
    EXPECT_EQ(table->tableInterface()->columnDescription(4), QStringLiteral("Sunrise"));
    EXPECT_EQ(table->tableInterface()->cellAt(0, 10)->text(QAccessible::Name), QStringLiteral("--:--"))
        << "no moonrise on the 1st";
    {
        DarkDesktop dark; // readable under a dark scheme, the picture as on paper
        ExpectReadable(form);
        const QImage drawn = form.Picture->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(2, 2), QColor(Qt::white));
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

// File > Print Month by its keys, to a PDF file, read back.
TEST(SunMoonForm, PrintsTheDayAndTheMonth)
{
    ErrorRecorder errors;
    solara::TSunMoonForm form;
    ShowActive(form);
    TypeAndLeave(form.Position.Lat, QStringLiteral("695900"));
    TypeAndLeave(form.Position.Lon, QStringLiteral("0185736"));
    TypeDate(form.DateField, QStringLiteral("21"), QStringLiteral("06"), QStringLiteral("2024"));
    TypeAndLeave(form.ZoneNameEdit, QStringLiteral("Europe/Oslo"));

    const QString day = PrintedPage();
    for (const char* line : {"Sun and Moon : 2024-06-21", "Time zone : Europe/Oslo", "Sunrise : no sunrise",
                             "Daylight : Sun above the horizon all day", "Moon's meridian passage : no meridian passage",
                             "Full moon in June 2024 : 2024-06-22 03:07:"})
        EXPECT_TRUE(day.contains(QString::fromUtf8(line))) << line << "\n" << day.toStdString();

    const QString month = PrintedBy(Qt::Key_M);
    EXPECT_TRUE(month.contains(QStringLiteral("Sun and Moon : June 2024, times of Europe/Oslo"))) << month.toStdString();
    EXPECT_TRUE(month.contains(QRegularExpression(QStringLiteral("Date +Astr. +Naut. +Civil +Sun- +Mer. +Sun-"))))
        << month.toStdString();
    // The polar day said in its rows, the last day of the month on the page.
    EXPECT_TRUE(month.contains(QRegularExpression(QStringLiteral("21 Fri +--:-- +--:-- +--:-- +above +12:46 +above"))))
        << month.toStdString();
    EXPECT_TRUE(month.contains(QStringLiteral("30 Sun"))) << month.toStdString();
    EXPECT_FALSE(month.contains(QStringLiteral("do not fit"))) << month.toStdString();
    EXPECT_TRUE(month.contains(QStringLiteral("above, below: the Sun above, below the horizon all day")));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

} // namespace
