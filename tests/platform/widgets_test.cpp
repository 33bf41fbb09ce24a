#include "platform/edit.h"
#include "platform/error_report.h"
#include "platform/radio_group.h"

#include "../qt_test_support.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QVBoxLayout>
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
    platform::Edit field;
    QObject::connect(&field, &platform::Edit::changed, [] {
        platform::Guard([] { throw std::runtime_error("'1-' is not a valid integer value"); });
    });
    bool outerWentOn = false;
    platform::Guard([&] {
        field.SetText("S");
        outerWentOn = true;
    });
    EXPECT_FALSE(outerWentOn);
    EXPECT_EQ(field.Text(), "S");
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_EQ(errors.messages[1], QStringLiteral("'1-' is not a valid integer value"));

    // Texts are 8-bit.
    platform::Guard([] { throw std::runtime_error("'5\xB0' is not a valid integer value"); });
    EXPECT_EQ(errors.messages[2], QStringLiteral("'5°' is not a valid integer value"));
}

TEST(Edit, ChangeFiresOnlyForARealChange)
{
    platform::Edit e;
    e.SetText("N");
    QSignalSpy changes(&e, &platform::Edit::changed);
    e.SetText("N");
    EXPECT_EQ(changes.count(), 0);
    e.SetText("S");
    EXPECT_EQ(changes.count(), 1);
}

TEST(Edit, ClickAndExit)
{
    QWidget window;
    auto* a = new platform::Edit(&window);
    auto* b = new platform::Edit(&window);
    auto* column = new QVBoxLayout(&window);
    column->addWidget(a);
    column->addWidget(b);
    testsupport::ShowActive(window);
    QSignalSpy clicks(a, &platform::Edit::clicked);
    QSignalSpy exits(a, &platform::Edit::exited);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    testsupport::Enter(a);
    testsupport::Tab(a);
    EXPECT_EQ(exits.count(), 1);
}

TEST(RadioGroup, UserSelectionClicksAndCodeDoesNot)
{
    platform::RadioGroup group;
    group.SetItems({"DM.dd", "DMS", "DMS.sss"});
    QSignalSpy clicks(&group, &platform::RadioGroup::clicked);
    group.SetItemIndex(0);
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(clicks.count(), 0);
    group.Item(2)->click();
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
