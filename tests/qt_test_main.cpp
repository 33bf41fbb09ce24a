// main() of the test programs that need a QApplication: no display, no
// modal dialog, and a fixed application title.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dead Reckoning"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
