// The module kit as a user meets it in any module's window: the time field
// typed with keys, Help by F1, the printed page's table.
#include "platform/window/help_window.h"
#include "platform/module/module_window.h"
#include "platform/module/results_page.h"
#include "platform/module/time_entry.h"
#include "platform/print/print_service.h"
#include "platform/widgets/mask_edit.h"
#include "qt_test_support.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

namespace {

using namespace testsupport;

class KitWindow : public platform::ModuleWindow {
public:
    KitWindow() : ModuleWindow(QStringLiteral("TKitForm"), QStringLiteral("Kit")), Time(this, QStringLiteral("TimeEdit"), QStringLiteral("Time"), [this](const std::string& m) { SetStatus(m); })
    {
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("Time:"), Time.Field);
        form->addRow(QStringLiteral("Next:"), new QLineEdit(this)); // somewhere for Tab to go
        Body()->addLayout(form);
        Finish();
    }
    platform::TimeEntry Time;
};

TEST(ModuleKit, TimeFieldTakesATimeOfDayAndRefusesTheRest)
{
    ErrorRecorder errors;
    const struct {
        const char *typed, *message;
        int seconds; // after leaving, -1: refused
    } cases[] = {
        {"123456", "", 12 * 3600 + 34 * 60 + 56},
        {"235959", "", 86399},
        {"240000", "Wrong Hours !", -1},
        {"126000", "Wrong Minutes !", -1},
        {"123460", "Wrong Seconds !", -1},
    };
    for (const auto& c : cases) {
        KitWindow window;
        ShowActive(window);
        int changes = 0;
        QObject::connect(&window.Time, &platform::TimeEntry::changed, [&changes] { ++changes; });
        Enter(window.Time.Field);
        QTest::keyClicks(window.Time.Field, QString::fromLatin1(c.typed));
        Tab(window.Time.Field);
        EXPECT_EQ(window.StatusMessage->text().toStdString(), c.message) << c.typed;
        if (c.seconds >= 0) {
            EXPECT_EQ(window.Time.Seconds(), c.seconds) << c.typed;
            EXPECT_EQ(changes, 1);
        } else {
            EXPECT_EQ(QApplication::focusWidget(), window.Time.Field) << "the field keeps the focus";
            Press(QStringLiteral("<Esc>"));
            EXPECT_EQ(window.Time.Field->Text(), "00:00:00");
            EXPECT_TRUE(window.StatusMessage->text().isEmpty()) << "Escape put it right";
            EXPECT_EQ(changes, 0);
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST(ModuleKit, F1OpensTheProgramsChapterAndHelpKeyboardItsKeys)
{
    const QString before = platform::SetManualFolder(QStringLiteral(VORLAN_PROGRAM_DIR "/manual"));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("rangebear"));
    KitWindow window;
    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_F1);
    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("rangebear.html"))) << browser->source().toString().toStdString();
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Distance and course")));
    // Help > Keyboard, by its keys: the same window at the keyboard's heading.
    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K);
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("keyboard"));
    EXPECT_EQ(window.findChildren<QTextBrowser*>().size(), 1) << "one help window";
    // Without a manual the status bar says so, and nothing opens.
    platform::SetManualFolder(QStringLiteral("/nonexistent"));
    KitWindow bare;
    ShowActive(bare);
    QTest::keyClick(&bare, Qt::Key_F1);
    EXPECT_EQ(bare.StatusMessage->text(), QStringLiteral("The manual is not installed beside this program."));
    QCoreApplication::setApplicationName(name);
    platform::SetManualFolder(before);
}

// A page with more lines than it holds says how many are left off.
TEST(ModuleKit, APageThatOverflowsSaysWhatItLeavesOff)
{
    struct Canvas : platform::PrintCanvas {
        int Width() const override { return 8000; }
        int Height() const override { return 4000; }
        void SetFont(const std::string&, int, bool) override {}
        void TextOut(int x, int y, const std::string& text) override { texts.push_back({x, y, text}); }
        struct Text {
            int x, y;
            std::string text;
        };
        std::vector<Text> texts;
    } canvas;
    platform::ResultsPage page;
    page.Title = "Month";
    page.Headings = {"Date", "Rise", "Set"};
    for (int day = 1; day <= 45; ++day)
        page.Rows.push_back({std::to_string(day), "06:00", "18:00"});
    platform::DrawResultsPage(canvas, page);
    ASSERT_FALSE(canvas.texts.empty());
    EXPECT_EQ(canvas.texts.back().text, "(10 more lines do not fit on the page)");
    EXPECT_LT(canvas.texts.back().y, canvas.Height());
    // The columns stand where the page's width spreads them.
    EXPECT_EQ(canvas.texts[1].text, "Date"); // below the title and a blank line
    EXPECT_EQ(canvas.texts[1].y, 2 * canvas.Height() / 40);
    EXPECT_EQ(canvas.texts[2].x - canvas.texts[1].x, canvas.texts[3].x - canvas.texts[2].x);
}

} // namespace
