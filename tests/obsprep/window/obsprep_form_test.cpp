// The planning window, typed into with real keys: it shows the command
// line's texts and list for the DR, run, date and time typed, takes its
// choices by their access keys, refuses what it cannot take saying why,
// lets a screen reader walk it, stays readable under a dark scheme and
// prints the planning list.
#include "obsprep/core/command_line.h"
#include "obsprep/window/obsprep_form.h"
#include "obsprep/window/sky_picture.h"

#include "obsprep/core/plan_texts.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "printed_page.h"
#include "qt_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <regex>
#include <sstream>

namespace {

using namespace testsupport;

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// What the window shows as the command line prints it: its results as
// "Name: value" lines, then its table row by row, cells joined by blanks.
std::string Shown(const obsprep::TObsPrepForm& form)
{
    std::string shown;
    for (const QLabel* result : form.Results) {
        EXPECT_EQ(result->accessibleDescription(), result->text()) << Utf8(result->accessibleName());
        shown += Utf8(result->accessibleName()) + ": " + Utf8(result->text()) + "\n";
    }
    for (int r = 0; r < form.ListTable->rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < form.ListTable->columnCount(); ++c)
            if (!form.ListTable->item(r, c)->text().isEmpty())
                row += (row.empty() ? "" : " ") + Utf8(form.ListTable->item(r, c)->text());
        shown += row + "\n";
    }
    return shown;
}

// The command line's output in the same shape: the table's blanks folded.
std::string Printed(const std::vector<std::string>& arguments)
{
    std::string out, err;
    EXPECT_EQ(obsprep::RunCommandLine(arguments, out, err), 0) << err;
    std::istringstream lines(out);
    std::string shown, line;
    bool table = false;
    while (std::getline(lines, line)) {
        if (line.rfind("Bodies by ", 0) == 0) {
            std::getline(lines, line); // the headings
            table = true;
            continue;
        }
        if (table) line = std::regex_replace(line, std::regex(" +"), " ");
        shown += line + "\n";
    }
    return shown;
}

TEST(ObsPrepForm, TypedDrRunAndDateShowTheCommandLinesTextsAndList)
{
    ErrorRecorder errors;
    const struct {
        const char *Lat, *NorS, *Lon, *EorW, *DrTime, *Course, *Speed, *Day, *Month, *Year;
        bool Morning;
        std::vector<std::string> Arguments; // the same for the command line
    } cases[] = {
        {"502220",
         "N",
         "0040840",
         "W",
         "000000",
         "0000",
         "000",
         "09",
         "12",
         "2026",
         false,
         {"50°22'20 N 004°08'40 W", "2026-12-09"}},
        {"493000",
         "N",
         "0080000",
         "W",
         "060000",
         "2700",
         "200",
         "10",
         "12",
         "2026",
         true,
         {"--twilight", "morning", "--dr-time", "06:00", "--course", "270", "--speed", "20", "49.5 -8", "2026-12-10"}},
        {"200000",
         "N",
         "1500000",
         "W",
         "120000",
         "0450",
         "155",
         "15",
         "06",
         "2026",
         false,
         {"--dr-time", "12:00", "--course", "45", "--speed", "15.5", "20 -150", "2026-06-15"}},
        {"335160",
         "S",
         "1513000",
         "E",
         "180000",
         "0100",
         "120",
         "05",
         "04",
         "2026",
         true,
         {"--twilight", "morning", "--dr-time", "18:00", "--course", "10", "--speed", "12", "-33.86 151.5",
          "2026-04-05"}},
    };
    for (const auto& c : cases) {
        obsprep::TObsPrepForm form;
        ShowActive(form);
        TypePosition(form.Dr, QString::fromLatin1(c.Lat), QString::fromLatin1(c.NorS), QString::fromLatin1(c.Lon), QString::fromLatin1(c.EorW));
        TypeAndLeave(form.DrTime.Field, QString::fromLatin1(c.DrTime));
        TypeAndLeave(form.CourseEdit, QString::fromLatin1(c.Course));
        TypeAndLeave(form.SpeedEdit, QString::fromLatin1(c.Speed));
        TypeDate(form.DateField, QString::fromLatin1(c.Day), QString::fromLatin1(c.Month), QString::fromLatin1(c.Year));
        if (c.Morning) AccessKey(Qt::Key_M);
        EXPECT_EQ(form.StatusMessage->text(), QString()) << c.Arguments.back();
        EXPECT_EQ(Shown(form), Printed(c.Arguments)) << c.Arguments.back();
        EXPECT_TRUE(errors.messages.isEmpty()) << Utf8(errors.messages.join('\n'));
    }
}

TEST(ObsPrepForm, ATimeTypedIsTheListsAndTheBoxBringsTwilightBack)
{
    obsprep::TObsPrepForm form;
    ShowActive(form);
    TypeAndLeave(form.Dr.Lat, QStringLiteral("502220"));
    TypeDate(form.DateField, QStringLiteral("09"), QStringLiteral("12"), QStringLiteral("2026"));
    QLabel* time = form.findChild<QLabel*>(QStringLiteral("ResultTimeofthelist"));
    ASSERT_NE(time, nullptr);
    const QString twilight = time->text();
    EXPECT_TRUE(twilight.endsWith(QStringLiteral(" UT (middle of evening nautical twilight)"))) << Utf8(twilight);
    EXPECT_EQ(form.ListTime.Field->text(), twilight.mid(11, 8)) << "the field shows twilight's time";

    TypeAndLeave(form.ListTime.Field, QStringLiteral("183000"));
    EXPECT_FALSE(form.AtTwilightBox->isChecked());
    EXPECT_EQ(time->text(), QStringLiteral("2026-12-09 18:30:00 UT"));
    EXPECT_EQ(Shown(form), Printed({"--time", "2026-12-09T18:30:00Z", "50°22'20 N 000°00'00 E", "2026-12-09"}));
    AccessKey(Qt::Key_N); // ticks "Middle of nautical twilight" again
    EXPECT_TRUE(form.AtTwilightBox->isChecked());
    EXPECT_EQ(time->text(), twilight);
    // Morning's twilight, by its key, and no nautical twilight at all at midsummer in 60 N.
    AccessKey(Qt::Key_M);
    EXPECT_TRUE(time->text().endsWith(QStringLiteral(" UT (middle of morning nautical twilight)")));
    TypeAndLeave(form.Dr.Lat, QStringLiteral("600900"));
    TypeDate(form.DateField, QStringLiteral("21"), QStringLiteral("06"), QStringLiteral("2024"));
    EXPECT_EQ(time->text(), QStringLiteral("none: no morning nautical twilight this day; type the time"));
    EXPECT_EQ(form.ListTable->rowCount(), 0);
    EXPECT_TRUE(form.Picture->Marks().empty());
}

TEST(ObsPrepForm, OrderAndSetByTheirKeysThePictureMarksTheSet)
{
    obsprep::TObsPrepForm form;
    ShowActive(form);
    TypePosition(form.Dr, QStringLiteral("502220"), {}, QStringLiteral("0040840"), QStringLiteral("W"));
    TypeDate(form.DateField, QStringLiteral("09"), QStringLiteral("12"), QStringLiteral("2026"));
    const auto column = [&](int c) {
        std::vector<std::string> cells;
        for (int r = 0; r < form.ListTable->rowCount(); ++r)
            cells.push_back(Utf8(form.ListTable->item(r, c)->text()));
        return cells;
    };
    const std::vector<std::string> byBrightness = column(0);
    AccessKey(Qt::Key_Z);
    std::vector<std::string> zn = column(2);
    EXPECT_TRUE(std::is_sorted(zn.begin(), zn.end())) << "Zn written as ddd.d sorts as it reads";
    EXPECT_NE(column(0), byBrightness);
    AccessKey(Qt::Key_B);
    EXPECT_EQ(column(0), byBrightness);

    for (const auto& [key, size] : {std::pair{Qt::Key_5, 5}, std::pair{Qt::Key_3, 3}}) {
        AccessKey(key);
        const std::vector<std::string> marked = column(obsprep::ProposedColumn);
        EXPECT_EQ(std::count(marked.begin(), marked.end(), "proposed"), size);
        const auto& marks = form.Picture->Marks();
        EXPECT_EQ(std::count_if(marks.begin(), marks.end(), [](const auto& m) { return m.Proposed; }), size);
        EXPECT_EQ(marks.size(), static_cast<std::size_t>(form.ListTable->rowCount()));
    }
    // The picture: north up, east to the right, the zenith at the centre.
    const obsprep::SkyPicture& sky = *form.Picture;
    const QPointF zenith = sky.PointOf(90, 0), north = sky.PointOf(0, 0), east = sky.PointOf(0, 90);
    EXPECT_NEAR(zenith.x(), sky.width() / 2.0, 1e-9);
    EXPECT_LT(north.y(), zenith.y());
    EXPECT_GT(east.x(), zenith.x());
    EXPECT_NEAR(sky.PointOf(45, 180).y() - zenith.y(), (north.y() - zenith.y()) / -2, 1e-9);
    EXPECT_TRUE(sky.accessibleDescription().startsWith(QStringLiteral("Proposed: Hamal bearing 097.")))
        << Utf8(sky.accessibleDescription());
}

TEST(ObsPrepForm, RefusedEntriesKeepTheFieldAndSayWhy)
{
    ErrorRecorder errors;
    obsprep::TObsPrepForm form;
    ShowActive(form);
    const std::string listTime = form.ListTime.Field->text().toStdString();
    const struct {
        QLineEdit* Field;
        const char *Typed, *Message, *Restored;
    } cases[] = {
        {form.CourseEdit, "4000", " Max. 359.9", "000.0"},
        {form.SpeedEdit, "755", " Max. 60.0", "00.0"},
        {form.DrTime.Field, "250000", "Wrong Hours !", "00:00:00"},
        {form.ListTime.Field, "126000", "Wrong Minutes !", listTime.c_str()},
    };
    for (const auto& c : cases) {
        const std::string before = Shown(form);
        TypeAndLeave(c.Field, QString::fromLatin1(c.Typed));
        EXPECT_EQ(form.StatusMessage->text(), QString::fromLatin1(c.Message)) << c.Typed;
        EXPECT_EQ(QApplication::focusWidget(), c.Field) << c.Typed;
        EXPECT_EQ(Shown(form), before) << "nothing recomputed for " << c.Typed;
        Press(QStringLiteral("<Esc>"));
        EXPECT_EQ(c.Field->text(), QString::fromLatin1(c.Restored)) << c.Typed;
        EXPECT_EQ(form.StatusMessage->text(), QString()) << c.Typed;
    }
    EXPECT_TRUE(form.AtTwilightBox->isChecked()) << "a refused time is no time of the list";
    // A run that crosses the pole: the window says so and lists nothing.
    TypeAndLeave(form.Dr.Lat, QStringLiteral("895900"));
    TypeAndLeave(form.SpeedEdit, QStringLiteral("600"));
    EXPECT_TRUE(form.StatusMessage->text().endsWith(QStringLiteral(" passes a pole")))
        << Utf8(form.StatusMessage->text());
    EXPECT_EQ(form.ListTable->rowCount(), 0);
    EXPECT_TRUE(errors.messages.isEmpty()) << Utf8(errors.messages.join('\n'));
}

TEST(ObsPrepForm, TabWalksTheFieldsAsTheyAreReadAndAScreenReaderHearsThem)
{
    obsprep::TObsPrepForm form;
    ShowActive(form);
    EXPECT_EQ(QApplication::focusWidget(), form.Dr.Lat) << "the focus opens in the DR's latitude";
    const QWidget* const walk[] = {form.Dr.NorS,      form.Dr.Lon,         form.Dr.EorW,
                                   form.DrTime.Field, form.CourseEdit,     form.SpeedEdit,
                                   form.DateField,    form.ListTime.Field, form.AtTwilightBox};
    for (const QWidget* next : walk) {
        Press(QStringLiteral("<Tab>"));
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    for (const platform::RadioGroup* group : {form.TwilightGroup, form.OrderGroup, form.SetGroup}) {
        Press(QStringLiteral("<Tab>"));
        EXPECT_TRUE(group->isAncestorOf(QApplication::focusWidget())) << group->objectName().toStdString();
    }
    std::vector<QString> heard;
    for (const auto& [object, name] : AccessibleNames(&form))
        heard.push_back(name);
    for (const char* name :
         {"DR latitude", "DR longitude", "DR time", "Course", "Speed", "Ship's date", "Time of the list (UT)",
          "Middle of nautical twilight", "Twilight", "Order", "Stars in the set", "Planning list",
          "Sky at the time of the list", "Evening nautical twilight", "Time of the list", "Proposed set"})
        EXPECT_EQ(std::count(heard.begin(), heard.end(), QString::fromLatin1(name)), 1) << name << ", once";
    DarkDesktop dark;
    ExpectReadable(form);
    EXPECT_EQ(form.Picture->grab().toImage().pixelColor(2, 2), QColor(Qt::white)) << "the sky as on paper";
}

TEST(ObsPrepForm, PrintsThePlanningList)
{
    ErrorRecorder errors;
    obsprep::TObsPrepForm form;
    ShowActive(form);
    TypePosition(form.Dr, QStringLiteral("502220"), {}, QStringLiteral("0040840"), QStringLiteral("W"));
    TypeAndLeave(form.CourseEdit, QStringLiteral("2700"));
    TypeAndLeave(form.SpeedEdit, QStringLiteral("200"));
    TypeDate(form.DateField, QStringLiteral("09"), QStringLiteral("12"), QStringLiteral("2026"));
    const QString page = PrintedPage();
    for (const char* line : {"Planning an Astronomical Position Fix : 2026-12-09",
                             "DR : 50°22'20 N 004°08'40 W at 00:00:00 ZT (2026-12-09 00:00:00 UT)",
                             "Course and speed : 270.0° 20.0 kn", "Evening nautical twilight : 2026-12-09 ",
                             "(middle of evening nautical twilight)", "Proposed set : ", "* the proposed set"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(line))) << line << "\n" << Utf8(page);
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Body +Hc +Zn +Mag\\. +Body +Hc +Zn +Mag\\."))));
    // Every body of the list, two a row, the set marked.
    ASSERT_GT(form.ListTable->rowCount(), 12);
    for (int r = 0; r < form.ListTable->rowCount(); ++r) {
        const auto cell = [&](int c) { return QRegularExpression::escape(form.ListTable->item(r, c)->text()); };
        const bool proposed = !form.ListTable->item(r, obsprep::ProposedColumn)->text().isEmpty();
        const QString row = cell(0) + (proposed ? QStringLiteral(" \\*") : QString()) + QStringLiteral(" +") + cell(1) +
                            QStringLiteral(" +") + cell(2) + QStringLiteral(" +") + cell(3) + QStringLiteral("( |\n)");
        EXPECT_TRUE(page.contains(QRegularExpression(row))) << Utf8(row) << "\n" << Utf8(page);
    }
    EXPECT_FALSE(page.contains(QStringLiteral("do not fit"))) << Utf8(page);
    EXPECT_TRUE(errors.messages.isEmpty()) << Utf8(errors.messages.join('\n'));
}

} // namespace
