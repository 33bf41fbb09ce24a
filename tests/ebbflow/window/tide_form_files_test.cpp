// The tide window's files, through the File menu's keys: the month printed
// as a tide table, the events exported as CSV and read back by Python's csv
// and datetime, and tide data of the user's own, refused whole when broken.
#include "printed_page.h"
#include "tide_window_support.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <iterator>

#include "program_output.h"

namespace {

using namespace tidetest;
using Mode = ebbflow::TTideForm::Mode;

TEST(TideFormFiles, PrintedMonthIsATideTable)
{
    ErrorRecorder errors;
    const struct {
        Mode mode;
        QString station;
        QStringList lines; // on the page, each as pdftotext lays it out, blanks squeezed
    } cases[] = {
        {Mode::Tides, "The Battery, New York",
         {"Tide Table : The Battery, New York Harbor, New York, March 2024",
          "Times : America/New_York, EST (-05:00); EDT (-04:00) from Sun 2024-03-10 03:00",
          "Heights : ft above Mean Lower Low Water; H high water, L low water", "Day 1st 2nd 3rd 4th",
          "Sun 10 01:56 L -0.85 08:55 H 5.71 15:24 L -1.07 21:21 H 5.54",
          "Tide data harmonics-dwf-20191229-free.tcd of 2019-12-29 12:43 EST (Public domain): not for navigation"}},
        {Mode::Streams, "Hell Gate (off",
         {"Tidal Stream Table : Hell Gate (off Mill Rock), New York Current, March 2024",
          "Speeds : kn, flood positive, ebb negative; S slack water, F max flood 050\u00b0, E max ebb 230\u00b0"}},
    };
    for (const auto& c : cases) {
        const auto w = Window(c.mode);
        TypeAndLeave(w->StationName, c.station);
        TypeDate(w->Day, {2024, 3, 10});
        QString page = PrintedPage();
        page.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
        QStringList lines = page.split('\n');
        for (QString& line : lines)
            line = line.trimmed();
        for (const QString& line : c.lines)
            EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << page.toStdString();
        // A row for every day of the month.
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^(Sun|Mon|Tue|Wed|Thu|Fri|Sat) \\d\\d "))).size(), 31)
            << page.toStdString();
        // The month is one page, whatever span the window shows.
        EXPECT_FALSE(page.contains(QStringLiteral("do not fit")));
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(TideFormFiles, ExportedEventsAreCsvWithTheirInstants)
{
    ErrorRecorder errors;
    QTemporaryDir dir;
    const auto w = Window(Mode::Streams);
    TypeAndLeave(w->StationName, QStringLiteral("Hell Gate (off"));
    TypeDate(w->Day, {2024, 3, 10});
    Enter(w->SpanBox);
    Press(QStringLiteral("<Down>")); // a week
    const QString file = dir.filePath(QStringLiteral("hell-gate.csv"));
    {
        FileAnswer answer(dir.filePath(QStringLiteral("hell-gate"))); // the ending is added
        FileMenu(Qt::Key_E);
    }
    ASSERT_TRUE(QFile::exists(file)) << errors.messages.join('\n').toStdString();
    // Python reads each line: the instant as UTC seconds, the kind, the value, the unit.
    const std::string read = testsupport::ProgramOutput(
        "/usr/bin/python3 -c 'import csv, sys, datetime\n"
        "rows = list(csv.DictReader(open(sys.argv[1], newline=\"\")))\n"
        "for r in rows: print(int(datetime.datetime.fromisoformat(r[\"time\"]).timestamp()), r[\"kind\"], float(r[\"value\"]), r[\"unit\"])' " +
        file.toStdString());
    std::istringstream lines(read);
    std::size_t n = 0;
    for (std::string line; std::getline(lines, line); ++n) {
        ASSERT_LT(n, w->ShownEvents().size()) << read;
        const ebbflow::TideEvent& e = w->ShownEvents()[n];
        long long utc = 0;
        char kind[16] = {}, unit[8] = {};
        double value = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lld %15s %lf %7s", &utc, kind, &value, unit), 4) << line;
        EXPECT_EQ(static_cast<double>(utc), e.Time) << line;
        EXPECT_EQ(kind, ebbflow::EventKindName(e.Kind)) << line;
        EXPECT_EQ(value, e.Value) << line; // the very double
        EXPECT_STREQ(unit, "kn");
    }
    EXPECT_EQ(n, w->ShownEvents().size());
    EXPECT_GT(n, 40u); // a week of streams
    // A folder that is not there: nothing written, the reason said.
    {
        FileAnswer answer(dir.filePath(QStringLiteral("missing/events.csv")));
        FileMenu(Qt::Key_E);
    }
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].startsWith(QStringLiteral("The events could not be exported to ") + dir.filePath(QStringLiteral("missing/events.csv")) + ": "))
        << errors.messages[0].toStdString();
}

TEST(TideFormFiles, TideDataOfTheUsersOwnIsTakenWholeOrRefused)
{
    ErrorRecorder errors;
    QTemporaryDir dir;
    const std::string seed = std::string(VORLAN_SOURCE_DIR) + "/fuzz/seeds/tcd_fuzz/four_stations.tcd";
    std::ifstream in(seed, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_GT(bytes.size(), 1000u);
    const QString cut = dir.filePath(QStringLiteral("cut.tcd")), four = dir.filePath(QStringLiteral("four.tcd"));
    std::ofstream(cut.toStdString(), std::ios::binary) << bytes.substr(0, 1000);
    std::ofstream(four.toStdString(), std::ios::binary) << bytes;

    const auto w = Window(Mode::Tides);
    TypeAndLeave(w->StationName, QStringLiteral("The Battery, New York"));
    TypeDate(w->Day, {2020, 6, 1}); // within the four stations' years
    {
        FileAnswer answer(four);
        FileMenu(Qt::Key_O);
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    EXPECT_EQ(w->StationName->text(), QStringLiteral("Honolulu, Honolulu Harbor, Oahu Island, Hawaii"));
    EXPECT_EQ(w->StatusMessage->text(), QStringLiteral("The tide data hold no station The Battery, New York Harbor, New York: "
                                                       "Honolulu, Honolulu Harbor, Oahu Island, Hawaii is shown"));
    EXPECT_TRUE(w->Notice->text().startsWith(QStringLiteral("Tide data four.tcd of "))) << w->Notice->text().toStdString();
    EXPECT_GT(w->Events->rowCount(), 2);
    const QStringList before = Rows(w->Events);
    // Completion offers the stations of the file opened, of the window's kind.
    TypeAndLeave(w->StationName, QStringLiteral("Kaumalapau"));
    EXPECT_EQ(w->StationName->text(), QStringLiteral("Kaumalapau, Lanai Island, Hawaii"));
    EXPECT_EQ(w->Completer->model()->rowCount(), 2);
    {
        FileAnswer answer(cut);
        FileMenu(Qt::Key_O);
    }
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], QStringLiteral("The tide data could not be read from %1: it is truncated").arg(cut));
    EXPECT_EQ(w->StationName->text(), QStringLiteral("Kaumalapau, Lanai Island, Hawaii")); // the window keeps its data
    EXPECT_TRUE(w->Notice->text().startsWith(QStringLiteral("Tide data four.tcd of ")));
    EXPECT_NE(Rows(w->Events), before);

    // A window that has no tide data (Debian's missing) takes a file opened.
    ebbflow::TTideForm bare(Mode::Streams, std::nullopt, [] { return Now; });
    ShowActive(bare);
    EXPECT_EQ(bare.CurrentStation(), nullptr);
    EXPECT_EQ(bare.Events->rowCount(), 0);
    {
        FileAnswer answer(four);
        FileMenu(Qt::Key_O);
    }
    EXPECT_EQ(bare.StationName->text(), QStringLiteral("Hell Gate (off Mill Rock), New York Current"));
    EXPECT_EQ(bare.StatusMessage->text(), QStringLiteral("The tide data cover the years 2019 to 2021; 2024 is not one of them"));
    TypeDate(bare.Day, {2020, 6, 1});
    EXPECT_GT(bare.Events->rowCount(), 6);
    EXPECT_EQ(bare.StatusMessage->text(), QString());
    EXPECT_EQ(errors.messages.size(), 1);
}

} // namespace
