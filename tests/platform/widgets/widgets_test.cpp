#include "platform/widgets/edit.h"
#include "platform/widgets/radio_group.h"

#include "qt_test_support.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>


namespace {

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
