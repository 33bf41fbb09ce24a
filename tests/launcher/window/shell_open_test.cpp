// The module buttons start real programs: small scripts that record their
// arguments, lying in a temporary working directory.
#include "launcher/window/main_form.h"
#include "platform/desktop/shell_open.h"

#include "qt_test_support.h"

#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class ModulesInTheWorkingDirectory : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        for (const char* program : {"solara", "obsprep", "celpos", "ebbflow", "gridout", "gridin", "rangebear",
                                    "legplot", "datumshift"})
            WriteRecorder(QString::fromLatin1(program));
        QFile manual(dir_.filePath(QStringLiteral("Vorlan41Manual.chm")));
        ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
        previousOpener_ = platform::SetDocumentOpener(
            [this](const QString& path, const std::optional<QString>& parameters) {
                documents_.append(path + QStringLiteral("|") + parameters.value_or(QStringLiteral("<none>")));
            });
    }

    void TearDown() override
    {
        platform::SetDocumentOpener(previousOpener_);
        QDir::setCurrent(previous_);
    }

    // A program that writes its arguments, one a line, to <name>.<pid>.
    void WriteRecorder(const QString& name)
    {
        QFile script(dir_.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$(dirname \"$0\")/$(basename \"$0\").$$.tmp\"\n"
                     "mv \"$(dirname \"$0\")/$(basename \"$0\").$$.tmp\" \"$(dirname \"$0\")/$(basename \"$0\").$$\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Forgets what the programs recorded so far.
    void ClearRecords()
    {
        for (const QString& f : QDir(dir_.path()).entryList(QDir::Files))
            if (f.contains(QLatin1Char('.')) && !f.endsWith(QStringLiteral(".chm")))
                QFile::remove(dir_.filePath(f));
    }

    // The argument lists the runs of `name` recorded, waiting for `count`.
    QStringList Runs(const QString& name, int count)
    {
        QStringList runs;
        for (int tries = 0; tries < 100; ++tries) {
            runs.clear();
            const QStringList files = QDir(dir_.path()).entryList({name + QStringLiteral(".*")}, QDir::Files);
            for (const QString& f : files) {
                if (f.endsWith(QStringLiteral(".tmp")))
                    continue;
                QFile record(dir_.filePath(f));
                if (record.open(QIODevice::ReadOnly))
                    runs.append(QString::fromUtf8(record.readAll()).trimmed().replace(QLatin1Char('\n'), QLatin1Char('|')));
            }
            if (runs.size() >= count)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return runs;
    }

    QTemporaryDir dir_;
    QString previous_;
    platform::DocumentOpener previousOpener_;
    QStringList documents_;
};

launcher::TMainForm::TickSource FastTicks()
{
    return [t = std::uint32_t{0}]() mutable { return t += 100; };
}

// Every button of the launcher: its name and caption, what a click opens and
// with which parameter, and the line the mouse over it shows (wayline, the
// route module, is left out of the folder: its button starts nothing).
struct ModuleButton {
    const char* name;
    const char* caption;
    const char* file;
    const char* parameter; // nullptr: none
    const char* hover;     // nullptr: the line is left as it was
};

const ModuleButton Buttons[] = {
    {"Button7", "&Sun Moon", "solara.exe", nullptr, "Sun and Moon Phenomena (Rise and Set)"},
    {"Button5", "Astro &Planning", "obsprep.exe", nullptr, "Planning an Astronomical Position Fix"},
    {"Button6", "&Astro Pos. Fix", "celpos.exe", nullptr, "Calculation or Replay of astronomical Position Fix."},
    {"Button1", "&Tide", "ebbflow.exe", nullptr, "Calculations of Vertical Tide(s)"},
    {"Button2", "St&reams", "ebbflow.exe", "STR", "Calculations of Tidal Streams"},
    {"Button3", "R&oute", "wayline.exe", nullptr, "Route Calculations"},
    {"Button8", "&Geo UTM", "gridout.exe", nullptr, "Conversion of Geographical Coordinates to UTM"},
    {"Button9", "&UTM Geo", "gridin.exe", nullptr, "Conversion of UTM to Geographical Coordinates"},
    {"Button10", "&Dist. Azimuth", "rangebear.exe", nullptr, "Distance and Course Calculations"},
    {"Button11", "Dead &Reckoning", "legplot.exe", nullptr, "Dead Reckoning Calculations"},
    {"Button12", "Trans&formations", "datumshift.exe", nullptr, "Datum Transformations"},
    {"Button4", "Manual", "Vorlan41Manual.chm", "STR", nullptr},
};

TEST_F(ModulesInTheWorkingDirectory, EveryButtonOpensItsFileWithItsParameterAndSaysWhatItIs)
{
    launcher::TMainForm form(FastTicks());
    testsupport::ShowActive(form);
    for (const ModuleButton& b : Buttons) {
        SCOPED_TRACE(b.name);
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));

        const QString before = form.Label7->text();
        testsupport::MoveOver(button, &form);
        EXPECT_EQ(form.Label7->text(), b.hover ? QString::fromLatin1(b.hover) : before);

        const QString file = QString::fromLatin1(b.file);
        const QString program = file.endsWith(QStringLiteral(".exe")) ? file.chopped(4) : QString();
        ClearRecords();
        documents_.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        const QString arguments = b.parameter ? QStringLiteral("1|") + QString::fromLatin1(b.parameter)
                                              : QStringLiteral("0");
        if (program.isEmpty()) { // a document, for the desktop to open
            EXPECT_EQ(documents_, QStringList{QDir(dir_.path()).absoluteFilePath(file) + QStringLiteral("|") +
                                              QString::fromLatin1(b.parameter)});
        } else if (program == QStringLiteral("wayline")) {
            EXPECT_TRUE(Runs(program, 0).isEmpty());
        } else {
            EXPECT_EQ(Runs(program, 1), QStringList{arguments});
        }
    }
}

TEST_F(ModulesInTheWorkingDirectory, DeadReckoningStartsLegplotWithoutArguments)
{
    testsupport::ErrorRecorder errors;
    launcher::TMainForm form(FastTicks());
    form.Button11->click();
    EXPECT_EQ(Runs(QStringLiteral("legplot"), 1), QStringList{QStringLiteral("0")});
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(ModulesInTheWorkingDirectory, StreamsPassesSTRAndTideNothing)
{
    launcher::TMainForm form(FastTicks());
    form.Button2->click();
    EXPECT_EQ(Runs(QStringLiteral("ebbflow"), 1), QStringList{QStringLiteral("1|STR")});
    form.Button1->click();
    QStringList runs = Runs(QStringLiteral("ebbflow"), 2);
    runs.sort();
    EXPECT_EQ(runs, (QStringList{QStringLiteral("0"), QStringLiteral("1|STR")}));
}

TEST_F(ModulesInTheWorkingDirectory, TwoClicksStartTwoInstances)
{
    launcher::TMainForm form(FastTicks());
    form.Button7->click();
    form.Button7->click();
    EXPECT_EQ(Runs(QStringLiteral("solara"), 2).size(), 2);
}

TEST_F(ModulesInTheWorkingDirectory, MissingProgramChangesNothingAndSaysNothing)
{
    testsupport::ErrorRecorder errors;
    launcher::TMainForm form(FastTicks());
    form.Button11MouseMove();
    const QString hover = form.Label7->text();
    form.Button3->click(); // wayline.exe is not there
    QFile::remove(dir_.filePath(QStringLiteral("datumshift"))); // nor datumshift.exe
    form.Button12->click();
    // A module copied without the right to run it is as good as missing.
    QFile::setPermissions(dir_.filePath(QStringLiteral("gridout")), QFile::ReadOwner | QFile::WriteOwner);
    form.Button8->click();
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(form.Label7->text(), hover);
    EXPECT_TRUE(documents_.isEmpty());
    EXPECT_TRUE(Runs(QStringLiteral("gridout"), 0).isEmpty());
}

TEST_F(ModulesInTheWorkingDirectory, ManualGoesToTheDesktopWithSTR)
{
    launcher::TMainForm form(FastTicks());
    form.Button4->click();
    ASSERT_EQ(documents_.size(), 1);
    EXPECT_EQ(documents_[0], QDir(dir_.path()).absoluteFilePath(QStringLiteral("Vorlan41Manual.chm")) +
                                 QStringLiteral("|STR"));
}

TEST_F(ModulesInTheWorkingDirectory, ReturnAndKeypadEnterPressTheFocusedButton)
{
    launcher::TMainForm form(FastTicks());
    testsupport::ShowActive(form);
    QApplication::processEvents();
    ASSERT_TRUE(form.Button7->hasFocus());
    QTest::keyClick(form.Button7, Qt::Key_Return);
    EXPECT_EQ(Runs(QStringLiteral("solara"), 1).size(), 1);
    for (int i = 0; i < 4; ++i) // on to "Dead Reckoning"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button11);
    QTest::keyClick(form.Button11, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Runs(QStringLiteral("legplot"), 1), QStringList{QStringLiteral("0")});
}

TEST_F(ModulesInTheWorkingDirectory, OnlyBareNamesAreOpened)
{
    // Each names a module that is there, by a way other than its bare name.
    const QString inFolder = QDir(dir_.path()).absoluteFilePath(QStringLiteral("legplot"));
    const QString folderName = QDir(dir_.path()).dirName();
    for (const QString& name : {inFolder, QStringLiteral("./legplot"), QStringLiteral("../") + folderName +
                                QStringLiteral("/legplot"), QStringLiteral("legplot; touch injected"),
                                QStringLiteral("legplot\ninjected")}) {
        for (const platform::OpenAs kind : {platform::OpenAs::Program, platform::OpenAs::Document})
            platform::ShellOpen(name, std::nullopt, kind);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(Runs(QStringLiteral("legplot"), 0).isEmpty());
    EXPECT_TRUE(documents_.isEmpty());
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("injected"))));

    // The same module by its bare name runs: the refusals above were of the names.
    platform::ShellOpen(QStringLiteral("legplot"), std::nullopt, platform::OpenAs::Program);
    EXPECT_EQ(Runs(QStringLiteral("legplot"), 1).size(), 1);
}

} // namespace
