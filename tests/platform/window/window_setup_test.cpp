#include "platform/window/window_setup.h"

#include "qt_test_support.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace {

// A window opens in the middle of the screen; moved by the user and shown
// again (restored, or opened once more), it stays where it was put.
TEST(WindowSetup, CentresOnTheFirstShowOnly)
{
    QWidget window;
    window.resize(300, 200);
    platform::CentreOnFirstShow(window);
    testsupport::ShowActive(window);
    EXPECT_EQ(window.frameGeometry().center(), window.screen()->availableGeometry().center());

    window.move(10, 20);
    window.hide();
    testsupport::ShowActive(window);
    EXPECT_EQ(window.pos(), QPoint(10, 20));
}

} // namespace
