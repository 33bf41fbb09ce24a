// The module buttons start real programs: small scripts that record their
// arguments, lying in a temporary working directory.
#include "launcher/main_form.h"
#include "platform/shell_open.h"

#include "../qt_test_support.h"

#include <QDir>
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
        for (const char* program : {"legplot", "ebbflow", "solara"})
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
    form.Button12->click(); // nor datumshift.exe
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(form.Label7->text(), hover);
    EXPECT_TRUE(documents_.isEmpty());
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
    platform::ShellOpen(QStringLiteral("../legplot"), std::nullopt);
    platform::ShellOpen(QStringLiteral("/bin/true"), std::nullopt);
    platform::ShellOpen(QStringLiteral("legplot; touch injected"), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(Runs(QStringLiteral("legplot"), 0).isEmpty());
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("injected"))));
}

} // namespace
