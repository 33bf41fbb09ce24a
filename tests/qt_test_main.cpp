// main() of the test programs that need a QApplication: no display, no
// modal dialog, and a fixed application title. VORLAN_TEST_ON_X=1 keeps the
// X server of the environment instead, for what only X has (its selection).
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariable("VORLAN_TEST_ON_X") == QLatin1String("1"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dead Reckoning"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
