// The position-fix window typed into with real keys: a round of three
// stars typed from nothing gives the command line's fix and saves as the
// sample file; refusals keep their field and say why; files open, mark
// their changes and ask before they are left; the plotting sheet shows
// and exports; the printed page holds the fix; readable under a dark
// scheme, every field named for a screen reader.
#include "celpos/core/command_line.h"
#include "celpos/window/celpos_form.h"
#include "celpos/window/plotting_sheet_form.h"

#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "printed_page.h"
#include "qt_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

using namespace testsupport;

const QString Sample = QStringLiteral(VORLAN_SOURCE_DIR "/docs/sample.sights");

std::string Utf8(const QLabel* label) { return label->text().toStdString(); }

TEST(CelPosForm, ARoundTypedWithKeysGivesTheCommandLinesFixAndSavesAsTheSample)
{
    ErrorRecorder errors;
    celpos::TCelPosForm form;
    ShowActive(form);
    TypePosition(form.Dr, QStringLiteral("473400"), {}, QStringLiteral("0080350"), QStringLiteral("W"));
    const std::pair<platform::Edit*, const char*> numbers[] = {
        {form.CourseEdit, "205.0"}, {form.SpeedEdit, "8.0"}, {form.HeightEdit, "12.5"}, {form.TemperatureEdit, "18"},
        {form.PressureEdit, "1021"}, {form.IndexErrorEdit, "-1.2"}};
    for (const auto& [field, text] : numbers)
        TypeAndLeave(field, QString::fromLatin1(text));

    const struct {
        const char *body, *time, *hs;
    } sights[] = {{"sched", "032600", "68\xB0" "38.9"}, {"diph", "033030", "18\xB0" "53.7"}, {"vega", "033410", "45\xB0" "53.7"}};
    for (const auto& s : sights) {
        Enter(form.SightTable);
        QTest::keyClick(form.SightTable, Qt::Key_Insert);
        TypeAndLeave(form.BodyBox, QString::fromLatin1(s.body)); // completed from the almanac's names
        TypeAndLeave(form.SightDate, QStringLiteral("17072026"));
        ASSERT_EQ(form.SightDate->date(), QDate(2026, 7, 17));
        TypeAndLeave(form.SightTime.Field, QString::fromLatin1(s.time));
        TypeAndLeave(form.HsEdit, QString::fromLatin1(s.hs));
    }
    ASSERT_EQ(form.SightTable->rowCount(), 3);
    EXPECT_EQ(form.SightTable->item(1, 0)->text(), QStringLiteral("Diphda"));
    EXPECT_EQ(form.SightTable->item(1, 1)->text(), QStringLiteral("centre")); // a star's limb

    std::string out, err;
    ASSERT_EQ(celpos::RunCommandLine({"fix", Sample.toStdString()}, out, err), 0) << err;
    for (const char* name : {"Fix", "Time", "DR at that time"})
        EXPECT_NE(out.find(std::string(name) + ": " + Utf8(form.FixResults[name]) + "\n"), std::string::npos) << name << "\n" << out;
    EXPECT_EQ(form.FixResults["Warnings"]->text(), QStringLiteral("none"));
    // The worksheet of the selected (last) sight, as reduce prints it from the same DR.
    EXPECT_EQ(form.Worksheet["Body"]->text(), QStringLiteral("Vega"));
    EXPECT_EQ(form.Worksheet["Dip"]->text(), QStringLiteral("-6.2'"));
    EXPECT_EQ(form.Worksheet["Index correction"]->text(), QStringLiteral("+1.2'"));
    for (const auto& [name, label] : form.Worksheet)
        EXPECT_EQ(label->accessibleDescription(), label->text()) << name; // heard with its value

    // Saved, the file is the sample, to the byte; the title names it.
    QTemporaryDir dir;
    DialogAnswers answers;
    answers.fileName = dir.filePath(QStringLiteral("dawn"));
    FileMenu(Qt::Key_A);
    EXPECT_EQ(FileBytes(dir.filePath(QStringLiteral("dawn.sights"))), FileBytes(Sample));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("dawn.sights[*] \u2014 Astronomical Position Fix"));
    EXPECT_FALSE(form.isWindowModified());
    TypeAndLeave(form.SpeedEdit, QStringLiteral("9.0"));
    EXPECT_TRUE(form.isWindowModified());
    answers.button = QMessageBox::Cancel;
    form.close(); // the question, answered Cancel: the window stays
    EXPECT_EQ(answers.question, QStringLiteral("The sights dawn.sights have changed.\nSave the changes?"));
    EXPECT_TRUE(form.isVisible());

    // File > Print: the fix and its sights on the page.
    const QString page = PrintedPage().simplified();
    EXPECT_TRUE(page.contains(QStringLiteral("Fix : ") + form.FixResults["Fix"]->text().simplified())) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("No. Body UT Ho Hc Zn Intercept nm Residual"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("2 Diphda 03:30:30 ") + form.SightTable->item(1, 4)->text())) << page.toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    answers.button = QMessageBox::Discard;
}

TEST(CelPosForm, RefusedEntriesKeepTheirFieldAndSayWhy)
{
    ErrorRecorder errors;
    celpos::TCelPosForm form;
    ShowActive(form);
    form.OpenSights(Sample);
    const struct {
        QWidget* field;
        const char* typed;
        const char* status;
    } cases[] = {
        {form.CourseEdit, "400", "The course 400 is outside 0 to 359.9"},
        {form.PressureEdit, "high", "The pressure 'high' is not a number"},
        {form.HsEdit, "68\xB0" "75.0", "'68\xB0" "75.0': the minutes are 60 or more"},
        {form.SightIndexEdit, "45", "The index error 45 is outside -30 to 30"},
    };
    for (const auto& c : cases) {
        const QString before = qobject_cast<QLineEdit*>(c.field)->text();
        TypeAndLeave(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(form.StatusMessage->text(), QString::fromLatin1(c.status));
        EXPECT_EQ(QApplication::focusWidget(), c.field) << c.typed;
        QTest::keyClick(c.field, Qt::Key_Escape); // what is stored comes back
        EXPECT_EQ(qobject_cast<QLineEdit*>(c.field)->text(), before);
        EXPECT_EQ(form.StatusMessage->text(), QString());
    }
    // A star has no limb; an unknown body is no body; the round stays as it was.
    Enter(form.LimbBox);
    QTest::keyClick(form.LimbBox, Qt::Key_Home);
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("Schedar is a star: it has no lower limb"));
    EXPECT_EQ(form.LimbBox->currentText(), QStringLiteral("centre"));
    TypeAndLeave(form.BodyBox, QStringLiteral("Vulcan"));
    EXPECT_EQ(form.StatusMessage->text(), QStringLiteral("'Vulcan' is not a body of the almanac"));
    EXPECT_EQ(form.BodyBox->currentText(), QStringLiteral("Schedar"));
    EXPECT_EQ(form.Entries().Sights.front().Body, "Schedar");
    // Delete takes the selected sight away; two sights still fix.
    Enter(form.SightTable);
    QTest::keyClick(form.SightTable, Qt::Key_Delete);
    EXPECT_EQ(form.SightTable->rowCount(), 2);
    EXPECT_EQ(form.SightTable->item(0, 0)->text(), QStringLiteral("Diphda"));
    EXPECT_FALSE(form.FixResults["Fix"]->text().isEmpty());
    // A damaged file is refused with its name and reason; the sights stay.
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.sights"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(FileBytes(Sample).replace("course = 205.0", "course = 500"));
    file.close();
    form.OpenSights(bad);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], QStringLiteral("The sights could not be opened from %1: line 5: course: The course 500 is outside 0 to 359.9").arg(bad));
    EXPECT_EQ(form.SightTable->rowCount(), 2);
    {
        DarkDesktop dark;
        ExpectReadable(form);
    }
    // Every field is heard by its name.
    for (QWidget* field : std::initializer_list<QWidget*>{form.Dr.Lat, form.CourseEdit, form.SpeedEdit, form.HeightEdit,
                                                          form.TemperatureEdit, form.PressureEdit, form.IndexErrorEdit,
                                                          form.WatchErrorEdit, form.Dut1Edit, form.SightTable, form.BodyBox,
                                                          form.LimbBox, form.SightDate, form.SightTime.Field, form.HsEdit,
                                                          form.SightIndexEdit})
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
}

TEST(CelPosForm, PlottingSheetShowsAndExportsTheFix)
{
    ErrorRecorder errors;
    celpos::TCelPosForm form;
    ShowActive(form);
    form.OpenSights(Sample);
    QTest::keyClick(form.SightTable, Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(form.SheetWindow(), nullptr);
    EXPECT_TRUE(form.SheetWindow()->isVisible());
    const celpos::PlottingSheet& sheet = form.SheetWindow()->View->Sheet();
    ASSERT_TRUE(sheet.Fix);
    EXPECT_EQ(sheet.Lines.size(), 5u); // three lines, two of them run on
    EXPECT_TRUE(form.SheetWindow()->View->accessibleDescription().startsWith(QStringLiteral("Grid ")));

    ShowActive(form);
    QTemporaryDir dir;
    DialogAnswers answers;
    for (const char* name : {"sheet.png", "sheet.svg"}) {
        answers.fileName = dir.filePath(QString::fromLatin1(name));
        Enter(form.SightTable);
        FileMenu(Qt::Key_H);
        const QByteArray bytes = FileBytes(answers.fileName);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        if (QString::fromLatin1(name).endsWith(QLatin1String(".png")))
            EXPECT_FALSE(QImage::fromData(bytes, "PNG").isNull());
        else
            EXPECT_TRUE(bytes.contains("<svg")) << name;
    }
    answers.fileName = dir.filePath(QStringLiteral("sheet.gif"));
    Enter(form.SightTable);
    FileMenu(Qt::Key_H);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].endsWith(QStringLiteral("sheet.gif: its name ends in neither .png nor .svg")));
    EXPECT_FALSE(QFile::exists(answers.fileName));
}

// The page File > Print Worksheet (W) or Print Almanac Page (M) prints,
// by its keys, to a PDF file read back as text.
TEST(CelPosForm, PrintsTheWorksheetAndTheAlmanacsPageOfTheSight)
{
    ErrorRecorder errors;
    celpos::TCelPosForm form;
    ShowActive(form);
    form.OpenSights(Sample);
    Enter(form.SightTable);
    QTest::keyClick(form.SightTable, Qt::Key_Down); // Diphda
    const QString worksheet = PrintedBy(Qt::Key_W).simplified();
    EXPECT_TRUE(worksheet.startsWith(QStringLiteral("Sight Reduction : Sight 2"))) << worksheet.toStdString();
    for (const char* line : {"Body", "Dip", "Refraction", "Ho", "Hc", "Zn", "Intercept"})
        EXPECT_TRUE(worksheet.contains(QString::fromLatin1(line) + QStringLiteral(" : ") + form.Worksheet[line]->text()))
            << line << "\n" << worksheet.toStdString();

    // The almanac's page of the sight's date: the Sun's GHA at 03h UT as the command line gives it.
    const QString almanac = PrintedBy(Qt::Key_M).simplified();
    EXPECT_TRUE(almanac.startsWith(QStringLiteral("Almanac : 2026-07-17 (UT)"))) << almanac.toStdString();
    std::string out, err;
    ASSERT_EQ(celpos::RunCommandLine({"almanac", "Sun", "2026-07-17T03:00:00Z"}, out, err), 0);
    const std::string gha = out.substr(out.find("GHA: ") + 5, out.find('\n', out.find("GHA: ")) - out.find("GHA: ") - 5);
    QString printed = QString::fromStdString(gha); // the almanac's hour angles are not padded: 3°02.9'
    while (printed.startsWith(QLatin1Char('0')) && printed[1].isDigit())
        printed.remove(0, 1);
    EXPECT_TRUE(almanac.contains(QStringLiteral("03 ") + printed + QLatin1Char(' '))) << gha << "\n" << almanac.toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

} // namespace
