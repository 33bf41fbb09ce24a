// The standard error report and its guard around the event handlers.
#include "platform/desktop/error_report.h"

#include "qt_test_support.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ErrorReport, GuardReportsWhatEscapesAndOnlyOnce)
{
    testsupport::ErrorRecorder errors;
    platform::Guard([] { throw std::runtime_error("Range check error"); });
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], QStringLiteral("Range check error"));

    // An inner guarded handler's error ends the outer one too, once the
    // toolkit's code that ran it is done.
    QLineEdit field;
    QObject::connect(&field, &QLineEdit::textChanged, [] {
        platform::Guard([] { throw std::runtime_error("'1-' is not a valid integer value"); });
    });
    bool outerWentOn = false;
    platform::Guard([&] {
        field.setText(QStringLiteral("S"));
        platform::RethrowPassedError();
        outerWentOn = true;
    });
    EXPECT_FALSE(outerWentOn);
    EXPECT_EQ(field.text(), QStringLiteral("S"));
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_EQ(errors.messages[1], QStringLiteral("'1-' is not a valid integer value"));
    // Reported by the outer guard even when the outer handler never asks.
    platform::Guard([&] { field.setText(QStringLiteral("N")); });
    ASSERT_EQ(errors.messages.size(), 3);
    errors.messages.removeLast();

    // Texts are 8-bit.
    platform::Guard([] { throw std::runtime_error("'5\xB0' is not a valid integer value"); });
    EXPECT_EQ(errors.messages[2], QStringLiteral("'5°' is not a valid integer value"));
}

} // namespace
