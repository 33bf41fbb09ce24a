#include "launcher/window/about_box.h"
#include "launcher/window/main_form.h"
#include "launcher/window/splash_form.h"
#include "launcher/window/start_sequence.h"
#include "platform/desktop/modal.h"

#include "qt_test_support.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

launcher::TMainForm::TickSource FastTicks()
{
    return [t = std::uint32_t{0}]() mutable { return t += 100; };
}

struct Button {
    const char* name;
    int x, y;
    const char* caption;
};

const Button Buttons[] = {
    {"Button7", 11, 106, "&Sun Moon"},         {"Button5", 11, 144, "Astro &Planning"},
    {"Button6", 11, 182, "&Astro Pos. Fix"},   {"Button1", 158, 106, "&Tide"},
    {"Button2", 159, 144, "St&reams"},         {"Button3", 306, 106, "R&oute"},
    {"Button8", 454, 106, "&Geo UTM"},         {"Button9", 454, 143, "&UTM Geo"},
    {"Button10", 454, 180, "&Dist. Azimuth"},  {"Button11", 454, 217, "Dead &Reckoning"},
    {"Button12", 454, 255, "Trans&formations"},
};

TEST(LauncherWindow, ControlsAreNamedPlacedAndCaptioned)
{
    launcher::TMainForm form(FastTicks());
    EXPECT_EQ(form.size(), QSize(581, 460));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowTitle().isEmpty());
    for (const Button& b : Buttons) {
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->geometry(), QRect(b.x, b.y, 113, 25)) << b.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption)) << b.name;
    }
    EXPECT_EQ(form.Button4->geometry(), QRect(454, 15, 49, 25));
    EXPECT_EQ(form.Button4->text(), QStringLiteral("Manual"));
    EXPECT_EQ(form.Button13->geometry(), QRect(512, 15, 55, 25));
    EXPECT_EQ(form.Button13->text(), QStringLiteral("About"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("VORLAN 4.1"));
    EXPECT_EQ(form.Label1->pos(), QPoint(11, 10));
    EXPECT_GE(form.Label1->width(), form.Label1->fontMetrics().horizontalAdvance(form.Label1->text()));
    EXPECT_EQ(form.CoolBar1->geometry(), QRect(0, 0, 581, 57));
    EXPECT_EQ(form.Memo2->geometry(), QRect(11, 256, 409, 161));
    EXPECT_TRUE(form.Memo2->isReadOnly());
    EXPECT_TRUE(form.Memo2->toPlainText().startsWith(QStringLiteral("Interactive program for\n")));
    EXPECT_EQ(form.Memo2->document()->blockCount(), 9);
    EXPECT_EQ(form.Panel1->geometry(), QRect(8, 417, 409, 33));
    EXPECT_EQ(form.Label7->pos(), QPoint(16, 16));
    EXPECT_EQ(form.Image1->geometry(), QRect(470, 315, 80, 96));
    EXPECT_FALSE(form.Image1->pixmap().mask().isNull()); // transparent in its bottom-left colour
    for (auto [label, x, caption] : {std::tuple{form.Label2, 35, "Astro"}, {form.Label3, 195, "Tide"},
                                     {form.Label4, 339, "Route"}, {form.Label5, 486, "Tools"}}) {
        EXPECT_EQ(label->pos(), QPoint(x, 68));
        EXPECT_EQ(label->text(), QString::fromLatin1(caption));
        EXPECT_EQ(label->font().pointSize(), 14);
    }
}

TEST(LauncherWindow, OpensWithSunMoonFocusedAndTabsInOrder)
{
    launcher::TMainForm form(FastTicks());
    testsupport::ShowActive(form);
    QApplication::processEvents();
    EXPECT_TRUE(form.Button7->hasFocus());
    const QWidget* order[] = {form.Memo2,   form.Button5,  form.Button6,  form.Button7, form.Button8,
                              form.Button9, form.Button10, form.Button11, form.Button12, form.Button1,
                              form.Button2, form.Button3,  form.Button4,  form.Button13};
    form.Memo2->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 0; i < std::size(order); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << i;
        // What a screen reader says as the focus arrives.
        const QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        EXPECT_FALSE(focused->text(QAccessible::Name).isEmpty()) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the memo takes no tabs
    }
    // Shown again (restored after a minimise), the window keeps its focus.
    ASSERT_TRUE(form.Memo2->hasFocus());
    form.hide();
    testsupport::ShowActive(form);
    EXPECT_TRUE(form.Memo2->hasFocus());
}

TEST(LauncherWindow, HoverLineKeepsTheLastPlaceItWasSetBy)
{
    launcher::TMainForm form(FastTicks());
    EXPECT_TRUE(form.Label7->text().isEmpty());
    testsupport::MoveOver(form.Button11, &form);
    EXPECT_EQ(form.Label7->text(), QStringLiteral("Dead Reckoning Calculations"));
    // Onto the memo, the Manual button, a label, the picture, the strip: unchanged.
    for (QWidget* place : std::initializer_list<QWidget*>{form.Memo2->viewport(), form.Button4, form.Button13,
                                                          form.Label5, form.Image1, form.CoolBar1, form.Panel1,
                                                          form.Label7}) {
        testsupport::MoveOver(place, &form);
        EXPECT_EQ(form.Label7->text(), QStringLiteral("Dead Reckoning Calculations"))
            << place->objectName().toStdString();
    }
    // The bare window surface sets the title.
    testsupport::MoveOver(&form, &form, QPoint(300, 240));
    EXPECT_EQ(form.Label7->text(), QStringLiteral("VORLAN 4.1"));
    testsupport::MoveOver(form.Button2, &form);
    EXPECT_EQ(form.Label7->text(), QStringLiteral("Calculations of Tidal Streams"));
    testsupport::MoveOver(form.Button6, &form);
    EXPECT_EQ(form.Label7->text(), QStringLiteral("Calculation or Replay of astronomical Position Fix."));
}

// The same walk as the window system makes it: moves of the pointer over
// the window, each delivered to whatever lies under it.
TEST(LauncherWindow, HoverLineFollowsThePointerAsTheWindowSystemMovesIt)
{
    launcher::TMainForm form(FastTicks());
    testsupport::ShowActive(form);
    const auto over = [&form](QWidget* place) { return place->mapTo(&form, place->rect().center()); };
    const struct {
        const char* place;
        QPoint at;
        const char* line; // the hover line afterwards
    } moves[] = {
        {"Dead Reckoning", over(form.Button11), "Dead Reckoning Calculations"},
        {"the memo", over(form.Memo2), "Dead Reckoning Calculations"},
        {"a heading", over(form.Label5), "Dead Reckoning Calculations"},
        {"the picture", over(form.Image1), "Dead Reckoning Calculations"},
        {"the title strip", over(form.Label1), "Dead Reckoning Calculations"},
        {"the hover line itself", over(form.Label7), "Dead Reckoning Calculations"},
        {"Manual", over(form.Button4), "Dead Reckoning Calculations"},
        {"the bare window", QPoint(300, 240), "VORLAN 4.1"},
        {"Streams", over(form.Button2), "Calculations of Tidal Streams"},
        {"the memo again", over(form.Memo2) + QPoint(40, 20), "Calculations of Tidal Streams"},
    };
    for (const auto& m : moves) {
        QTest::mouseMove(form.windowHandle(), m.at);
        QApplication::processEvents();
        EXPECT_EQ(form.Label7->text(), QString::fromLatin1(m.line)) << m.place;
    }
}

TEST(LauncherWindow, ScreenReadersReadTheButtonsWithoutTheirMarks)
{
    launcher::TMainForm form(FastTicks());
    const std::map<const QObject*, QString> names = testsupport::AccessibleNames(&form);
    for (const Button& b : Buttons) {
        const QWidget* button = form.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_EQ(names.count(button), 1u) << b.name;
        EXPECT_EQ(names.at(button), QString::fromLatin1(b.caption).remove(QLatin1Char('&'))) << b.name;
    }
    EXPECT_EQ(names.at(form.Button11), QStringLiteral("Dead Reckoning"));
    EXPECT_EQ(names.at(form.Button4), QStringLiteral("Manual"));
    EXPECT_EQ(names.at(form.Button13), QStringLiteral("About"));
}

TEST(LauncherWindow, TextsStayReadableUnderADarkDesktopScheme)
{
    const QPalette light = QApplication::palette();
    launcher::TMainForm form(FastTicks());
    launcher::TAboutBox box(&form);
    testsupport::ShowActive(form);
    box.show();
    {
        testsupport::DarkDesktop dark;
        testsupport::MoveOver(form.Button11, &form); // the hover line shows
        testsupport::ExpectReadable(form);
        testsupport::ExpectReadable(box);
        EXPECT_EQ(form.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
    EXPECT_EQ(form.palette().color(QPalette::Window), light.color(QPalette::Window));
    EXPECT_EQ(form.Memo2->palette().color(QPalette::Base), light.color(QPalette::Window));
    testsupport::ExpectReadable(form);
    box.hide();
}

TEST(LauncherWindow, AboutShowsTheBoxModallyEachTime)
{
    launcher::TMainForm form(FastTicks());
    launcher::TAboutBox box(&form);
    form.SetAboutBox(&box);
    QList<QDialog*> shown;
    const platform::ModalRunner previous = platform::SetModalRunner([&](QDialog& d) {
        shown.append(&d);
        return 1;
    });
    form.Button13->click();
    form.Button13->click();
    platform::SetModalRunner(previous);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], &box);
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("VORLAN"));
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version 4.1"));
}

TEST(AboutBox, ContentAndEnterCloses)
{
    launcher::TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(8, 8, 74, 145));
    EXPECT_TRUE(box.ProgramIcon->hasScaledContents());
    EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(100, 188));
    for (auto [label, y] : {std::pair{box.ProductName, 16}, {box.Version, 40}, {box.Copyright, 64},
                            {box.Comments, 88}, {box.Label1, 112}, {box.Label2, 136}}) {
        EXPECT_EQ(label->pos(), QPoint(106, y));
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_TRUE(box.Comments->wordWrap());
    // Each line stands on one line, inside the panel.
    for (QLabel* label : box.Panel1->findChildren<QLabel*>()) {
        if (label == box.ProgramIcon)
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        const QRect laid = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        EXPECT_LT(laid.height(), 2 * metrics.height()) << label->text().toStdString();
        EXPECT_LE(label->x() + metrics.horizontalAdvance(label->text()), box.Panel1->width() - 2)
            << label->text().toStdString();
    }
    EXPECT_EQ(box.OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(box.OKButton->isDefault());

    for (int round = 0; round < 2; ++round) {
        box.show();
        QApplication::processEvents();
        EXPECT_TRUE(box.OKButton->hasFocus() || !box.isActiveWindow());
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), 1);
    }
}

TEST(AboutBox, AWindowManagerMinimizesItOnlyWithTheLauncher)
{
    for (const bool launcherToo : {false, true}) {
        launcher::TMainForm form(FastTicks());
        launcher::TAboutBox box(&form);
        testsupport::ShowActive(form);
        box.show();
        QApplication::processEvents();
        if (launcherToo)
            form.setWindowState(Qt::WindowMinimized);
        box.setWindowState(Qt::WindowMinimized); // as the window manager asks
        QApplication::processEvents();
        EXPECT_EQ(box.isMinimized(), launcherToo);
        box.close();
    }
}

// The events the windows of the start sequence receive, in order.
class WindowEvents : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const char* window = qobject_cast<launcher::TSplashForm*>(watched) ? "splash"
                             : qobject_cast<launcher::TMainForm*>(watched) ? "main"
                                                                            : nullptr;
        if (window && (event->type() == QEvent::Show || event->type() == QEvent::Paint ||
                       event->type() == QEvent::Hide)) {
            const char* what = event->type() == QEvent::Show ? "shown" : event->type() == QEvent::Hide ? "hidden" : "painted";
            const std::string line = std::string(window) + " " + what;
            if (seen.empty() || seen.back() != line)
                seen.push_back(line);
        }
        return false;
    }
    std::vector<std::string> seen;
};

TEST(LauncherStart, SplashFirstThenTheMainWindowAndTheAboutBoxBehindItsButton)
{
    const QString title = QApplication::applicationDisplayName();
    WindowEvents events;
    qApp->installEventFilter(&events);
    const launcher::Suite suite = launcher::StartSuite(FastTicks());
    QApplication::processEvents();
    qApp->removeEventFilter(&events);

    // The splash is shown and painted before anything of the main window,
    // and gone before the main window is shown.
    ASSERT_GE(events.seen.size(), 4u);
    EXPECT_EQ(events.seen[0], "splash shown");
    EXPECT_EQ(events.seen[1], "splash painted");
    const auto hidden = std::find(events.seen.begin(), events.seen.end(), "splash hidden");
    const auto mainShown = std::find(events.seen.begin(), events.seen.end(), "main shown");
    ASSERT_NE(hidden, events.seen.end());
    ASSERT_NE(mainShown, events.seen.end());
    EXPECT_LT(hidden, mainShown);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<launcher::TSplashForm*>(w), nullptr) << "the splash is still there";
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("VORLAN 4.1"));
    EXPECT_TRUE(suite.Main->isVisible());
    EXPECT_FALSE(suite.About->isVisible());

    // The About box behind its button.
    QList<QDialog*> shown;
    const platform::ModalRunner previous = platform::SetModalRunner([&](QDialog& d) {
        shown.append(&d);
        return 1;
    });
    QTest::mouseClick(suite.Main->Button13, Qt::LeftButton);
    platform::SetModalRunner(previous);
    EXPECT_EQ(shown, QList<QDialog*>{suite.About});
    QApplication::setApplicationDisplayName(title);
}

TEST(SplashForm, FramelessPictureAtItsOwnSize)
{
    launcher::TSplashForm splash;
    EXPECT_EQ(splash.size(), QSize(599, 401));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 599, 401));
    EXPECT_FALSE(splash.Image1->hasScaledContents());
    EXPECT_EQ(splash.Image1->pixmap().size(), QSize(601, 400));
    EXPECT_EQ(splash.Image1->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

} // namespace
