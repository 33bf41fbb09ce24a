// Voyage files and the GPX route, through the File menu's keys and the
// file dialog, as a navigator keeps and hands on a voyage.
#include "form1_test_support.h"
#include "full_folder.h"

#include "platform/desktop/modal.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>

namespace {

using namespace testsupport;


// A voyage with every kind of entry: thousandths of a second, a southern
// and western start, a course beyond 359.9 (stored with its message), an
// empty leg and one sailed after it from 0°, 0°.
void TypeVoyage(Window& w)
{
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
    w.TypeAndLeave(w->lat_edit, "50*21'15\"250");
    w.TypeAndLeave(w->NorS, "S");
    w.TypeAndLeave(w->lon_edit, "179*58'30\"125");
    w.TypeAndLeave(w->EorW, "W");
    Enter(w->DatePicker);
    Type("15062027");
    Enter(w->TimePicker);
    Type("0630");
    Tab(w->TimePicker);
    Key(Qt::Key_Up); // the ellipsoid list, one up from Airy: none; down picks the next
    Key(Qt::Key_Down);
    const char* legs[][3] = {{"225.0", "07.5", "04:00"}, {"260.5", "06.0", "12:30"}, {"", "", "00:00"},
                             {"045.0", "10.0", "02:15"}};
    for (int k = 1; k <= 4; ++k) {
        const auto* entries = legs[k - 1];
        if (*entries[0]) {
            w.TypeAndLeave(w->findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(20 + k)), entries[0]);
            w.TypeAndLeave(w->findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(15 + k)), entries[1]);
        }
        w.TypeAndLeave(k == 5 ? w->maskedit15 : w->findChild<QLineEdit*>(QStringLiteral("Maskedit1%1").arg(k)),
                       entries[2]);
    }
    w.TypeAndLeave(w->MaskEdit25, "400.0"); // refused as a course, stored as typed
}

TEST(Form1Files, SavedVoyageReopensAsTheSameWindowAndPage)
{
    QTemporaryDir dir;
    Answers answers;
    QStringList saved;
    QString page;
    {
        Window w;
        TypeVoyage(w);
        ASSERT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
        answers.fileName = dir.filePath(QStringLiteral("passage"));
        Key(Qt::Key_S, Qt::ControlModifier); // never saved: Save asks for a name
        ASSERT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
        EXPECT_EQ(w->VoyageFile(), dir.filePath(QStringLiteral("passage.voyage")));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("passage.voyage[*] \u2014 Dead Reckoning"));
        EXPECT_FALSE(w->isWindowModified());
        saved = Shown(w);
        page = PrintFromTheMenu();
    }
    {
        // A window that showed another format and other figures.
        Window w;
        w.TypeAndLeave(w->MaskEdit21, "090.0");
        w.TypeAndLeave(w->Maskedit11, "01:00");
        Menu(Qt::Key_O);
        ASSERT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
        EXPECT_EQ(Shown(w), saved);
        EXPECT_EQ(PrintFromTheMenu(), page);
        EXPECT_EQ(w->Plan().Legs[4].Course, 400.0);
        EXPECT_EQ(Focus(), w->MaskEdit25);
        EXPECT_FALSE(w->isWindowModified());
    }
}

TEST(Form1Files, RefusedFileNamesItsFaultAndChangesNothing)
{
    QTemporaryDir dir;
    QFile sample(QStringLiteral(VORLAN_SOURCE_DIR "/docs/sample.voyage"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray good = sample.readAll();
    const auto replaced = [&good](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    // The sample as an editor saves it in UTF-16, with its byte-order mark.
    const QString text = QString::fromUtf8(good);
    const QByteArray utf16 = QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(text.utf16()),
                                                                    text.size() * 2);
    QFile picture(QStringLiteral(VORLAN_SOURCE_DIR "/launcher/assets/about.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    const struct {
        const char* name;
        QByteArray content;
        const char* reason;
    } cases[] = {
        {"notes.voyage", "Buy diesel\n", "it is not a voyage file"},
        {"utf16.voyage", utf16, "it is not a voyage file"},
        {"picture.voyage", picture.read(4096), "it is not a voyage file"},
        {"accent.voyage", replaced("WGS 84", "WGS 8\xC3\xA9" "4"),
         "line 7, column 18: it holds the character U+00E9, which is not part of a voyage"},
        {"cut.voyage", good.left(good.indexOf("leg-4")), "the key leg-4-course is missing"},
        {"north.voyage", replaced("50\xC2\xB0", "95\xC2\xB0"), "line 3: start-latitude is out of range"},
        {"far.voyage", replaced("004\xC2\xB0", "200\xC2\xB0"), "line 4: start-longitude is out of range"},
        {"course.voyage", replaced("225.0", "22.5x"), "leg-1-course '22.5x' is not a number"},
        {"globe.voyage", replaced("WGS 84", "Flat Earth"), "ellipsoid 'Flat Earth' is not known here"},
        {"early.voyage", replaced("2027-06-15", "1599-06-15"), "is not a date from 1600-01-01"},
        {"newer.voyage", replaced("voyage 1", "voyage 3"), "version 3 of the voyage format"},
        {"large.voyage", good + QByteArray(64 * 1024, '#'), "it is larger than any voyage file"},
        {"markup.voyage", replaced("WGS 84", "<b>WGS 84</b>"), "ellipsoid '<b>WGS 84</b>' is not known here"},
        {"pipe.voyage", {}, "it is not a regular file"},
    };
    Answers answers;
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "090.0");
    w.TypeAndLeave(w->Maskedit11, "01:00");
    const QStringList before = Shown(w);
    const legplot::VoyagePlan plan = w->Plan();
    answers.fileName.clear(); // the dialog cancelled: nothing opened, nothing said
    Menu(Qt::Key_O);
    EXPECT_TRUE(w.errors.messages.isEmpty());
    for (const auto& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1(c.name));
        if (c.content.isEmpty()) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0); // opened, it would hold the window
        } else {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(c.content);
        }
        answers.fileName = file;
        Menu(Qt::Key_O);
        ASSERT_EQ(w.errors.messages.size(), 1) << c.name;
        const QString message = w.errors.messages.takeFirst();
        EXPECT_TRUE(message.startsWith(QStringLiteral("The voyage could not be opened from ") + file + ": "))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromLatin1(c.reason))) << message.toStdString();
        EXPECT_EQ(Shown(w), before) << c.name;
        EXPECT_EQ(w->Plan().Legs[0].EndLat, plan.Legs[0].EndLat) << c.name;
        EXPECT_TRUE(w->VoyageFile().isEmpty());
    }
}

TEST(Form1Files, SaveWritesWholeOrLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    FullFolder full;
    const QString pipe = dir.filePath(QStringLiteral("pipe.voyage"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Answers answers;
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "090.0");
    const struct {
        QString file;
        QString reason;
    } cases[] = {
        {dir.filePath(QStringLiteral("no such folder/v.voyage")), QStringLiteral("No such file or directory")},
        {pipe, QStringLiteral("it is not a regular file")},
        {full.File(), full.Reason()},
    };
    for (const auto& c : cases) {
        if (c.reason == QLatin1String("File too large"))
            continue; // no file system of its own here, and a voyage fits the size limit
        answers.fileName = c.file;
        full.WhileFull([&] { Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); });
        ASSERT_EQ(w.errors.messages.size(), 1) << c.file.toStdString();
        EXPECT_EQ(w.errors.messages.takeFirst(),
                  QStringLiteral("The voyage could not be saved to %1: %2").arg(c.file, c.reason));
        EXPECT_TRUE(w->VoyageFile().isEmpty());
    }
    QFile old(full.File());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("an earlier voyage"));
    EXPECT_TRUE(QFileInfo(pipe).isSymLink() || !QFileInfo(pipe).isFile());
}

TEST(Form1Files, ChangedVoyageAsksBeforeItIsLeft)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.voyage"));
    Answers answers;
    {
        Window w; // never saved: closes as it always did
        w.TypeAndLeave(w->MaskEdit21, "090.0");
        Menu(Qt::Key_X);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(answers.asked, 0);
    }
    const auto courseInFile = [&file] {
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        return QString::fromUtf8(in.readAll()).contains(QStringLiteral("leg-1-course = 135.0"));
    };
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "090.0");
    answers.fileName = dir.filePath(QStringLiteral("first.voyage"));
    Key(Qt::Key_S, Qt::ControlModifier);
    answers.fileName = file; // Save As: the voyage is in the new file from now on
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("kept.voyage[*] \u2014 Dead Reckoning"));
    w.TypeAndLeave(w->MaskEdit21, "135.0");
    EXPECT_TRUE(w->isWindowModified());
    w.TypeAndLeave(w->MaskEdit21, "090.0"); // back to what the file holds
    EXPECT_FALSE(w->isWindowModified());
    w.TypeAndLeave(w->MaskEdit21, "135.0");

    answers.asked = 0;
    answers.button = QMessageBox::Cancel;
    Menu(Qt::Key_X);
    EXPECT_TRUE(w->isVisible());
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(answers.asked, 2) << "a question each; after Cancel no file dialog";
    EXPECT_EQ(answers.question, QStringLiteral("The voyage kept.voyage has changed.\nSave the changes?"));

    answers.button = QMessageBox::Discard;
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(courseInFile());

    Window again;
    again->OpenVoyage(file);
    again.TypeAndLeave(again->MaskEdit21, "135.0");
    answers.button = QMessageBox::Save;
    again->close();
    EXPECT_FALSE(again->isVisible());
    EXPECT_TRUE(courseInFile());
}

TEST(Form1Files, SaveTakesWhatIsStoredAndSaysWhatIsNot)
{
    QTemporaryDir dir;
    Answers answers;
    const struct {
        const char* field;
        const char* typed; // not left: not taken
        const char* name;  // in the status bar; none when nothing is pending
    } cases[] = {
        {"lat_edit", "1", "Start latitude"}, {"NorS", "x", "Start latitude hemisphere"},
        {"DatePicker", "0", "Date of departure"}, {"TimePicker", "1", "Time of departure"},
        {"Maskedit12", "1", "Leg 2 interval"}, {"MaskEdit17", "1", "Leg 2 speed"},
        {"EorW", "x", "Start longitude hemisphere"}, {"MaskEdit22", "", ""},
    };
    for (const auto& c : cases) {
        Window w;
        answers.fileName.clear(); // the dialog cancelled: nothing saved
        Key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(w->VoyageFile().isEmpty());
        answers.fileName = dir.filePath(QString::fromLatin1(c.field));
        Key(Qt::Key_S, Qt::ControlModifier);
        QFile file(w->VoyageFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.field;
        const QByteArray saved = file.readAll();
        file.close();

        auto* field = w->findChild<QLineEdit*>(QString::fromLatin1(c.field));
        Enter(field);
        Type(c.typed);
        Key(Qt::Key_S, Qt::ControlModifier); // its file now: no dialog
        EXPECT_EQ(w->StatusMessage(), *c.name ? QString::fromLatin1(c.name) + ": what is being typed is not saved"
                                              : QString());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), QString::fromUtf8(saved)) << c.field;
        EXPECT_EQ(Focus(), field);
    }
}

// A result label by the name a screen reader hears.
QString Result(const Window& w, const QString& name)
{
    for (const QLabel* label : w->findChildren<QLabel*>())
        if (label->accessibleName() == name)
            return label->text();
    return {};
}

QString Output(const QString& program, const QStringList& arguments, QString* errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(Form1Files, ExportedRouteReadsInChartProgramsAsTheWindowShowsIt)
{
    QTemporaryDir dir;
    Answers answers;
    answers.fileName = dir.filePath(QStringLiteral("route.gpx"));
    Window w;
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
    w.TypeAndLeave(w->lat_edit, "10*00'00\"000");
    w.TypeAndLeave(w->NorS, "S");
    w.TypeAndLeave(w->lon_edit, "179*50'00\"000");
    w.TypeAndLeave(w->EorW, "W");
    // West across 180°; a leg at speed 0 is sailed; an empty leg; one
    // sailed from 0°, 0° after it; the last one empty again.
    const char* legs[][4] = {{"MaskEdit21", "270.0", "MaskEdit16", "10.0"}, {"MaskEdit22", "000.0", "MaskEdit17", "00.0"},
                             {"MaskEdit24", "045.0", "MaskEdit19", "12.0"}};
    for (const auto& leg : legs) {
        w.TypeAndLeave(w->findChild<QLineEdit*>(QString::fromLatin1(leg[0])), leg[1]);
        w.TypeAndLeave(w->findChild<QLineEdit*>(QString::fromLatin1(leg[2])), leg[3]);
    }
    w.TypeAndLeave(w->Maskedit11, "02:00");
    w.TypeAndLeave(w->Maskedit12, "01:00");
    w.TypeAndLeave(w->Maskedit14, "03:30");
    Menu(Qt::Key_R);
    ASSERT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();

    // What the window shows of each point, in the order the routes hold them.
    struct Point {
        QString name, lat, lon, time;
    };
    const auto shown = [&w](int k) {
        const QString leg = QStringLiteral("Leg %1 ").arg(k);
        const QStringList date = Result(w, leg + "date of arrival").split(QRegularExpression(QStringLiteral("\\D")));
        return Point{leg.trimmed(), Result(w, leg + "end latitude"), Result(w, leg + "end longitude"),
                     QStringLiteral("%1-%2-%3T%4:00").arg(date.value(2), date.value(1), date.value(0),
                                                          Result(w, leg + "time of arrival"))};
    };
    const QString departure = w->DatePicker->date().toString(Qt::ISODate) + QStringLiteral("T00:00:00");
    const std::vector<std::vector<Point>> routes = {
        {{"Start", Q("10*00'00\"000 S"), Q("179*50'00\"000 W"), departure}, shown(1), shown(2)},
        {shown(3), shown(4)}, // the empty leg's end, 0°, 0°, where leg 4 starts
    };
    EXPECT_NE(routes[0][1].lon.right(1), routes[0][0].lon.right(1)) << "leg 1 crosses 180 degrees";

    // gpxpy, at full precision: every position reads as the window's text.
    const QString read = Output(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sys, gpxpy
for route in gpxpy.parse(open(sys.argv[1], encoding="utf-8")).routes:
    print("route", route.name)
    for p in route.points:
        print(p.name, repr(p.latitude), repr(p.longitude), p.time.isoformat(), sep="|")
)"), answers.fileName});
    QStringList lines = read.split('\n', Qt::SkipEmptyParts);
    for (const auto& route : routes) {
        ASSERT_FALSE(lines.isEmpty()) << read.toStdString();
        EXPECT_TRUE(lines.takeFirst().startsWith(QStringLiteral("route Dead reckoning")));
        for (const Point& expected : route) {
            ASSERT_FALSE(lines.isEmpty());
            const QStringList p = lines.takeFirst().split('|');
            ASSERT_EQ(p.size(), 4);
            EXPECT_EQ(p[0], expected.name);
            EXPECT_EQ(Q(geo::FormatAngle(geo::AngleFormat::DMSsss, false, p[1].toDouble())), expected.lat) << p[1].toStdString();
            EXPECT_EQ(Q(geo::FormatAngle(geo::AngleFormat::DMSsss, true, p[2].toDouble())), expected.lon) << p[2].toStdString();
            EXPECT_LE(std::fabs(p[2].toDouble()), 180.0);
            EXPECT_EQ(p[3], expected.time + QStringLiteral("+00:00"));
        }
    }
    EXPECT_TRUE(lines.isEmpty()) << lines.join('\n').toStdString();

    // gpsbabel reads it without a word, with the same points and times.
    QString warnings;
    const QStringList csv =
        Output(QStringLiteral("gpsbabel"), {"-r", "-i", "gpx", "-f", answers.fileName, "-o", "unicsv", "-F", "-"}, &warnings)
            .remove('\r')
            .split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(warnings, QString());
    ASSERT_EQ(csv.size(), 1 + 5);
    int row = 1;
    for (const auto& route : routes)
        for (const Point& expected : route) {
            const QStringList field = csv[row++].split(',');
            ASSERT_GE(field.size(), 6);
            EXPECT_EQ(field[3], '"' + expected.name + '"');
            EXPECT_EQ(field[4] + 'T' + field[5], QString(expected.time).replace('-', '/'));
        }
}

} // namespace
