// The UTM windows, typed into with real keys: they show the command lines'
// texts, and say what they refuse.
#include "grid/core/command_lines.h"
#include "grid/window/grid_form.h"

#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "qt_test_support.h"

#include <QComboBox>
#include <QLabel>

namespace {

using namespace testsupport;

void TypeAndLeave(QLineEdit* field, const QString& text)
{
    Enter(field);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    field->setCursorPosition(0);
    QTest::keyClicks(field, text);
    Tab(field);
}

std::string Shown(const grid::TGridForm& form)
{
    std::string shown;
    for (const QLabel* result : form.Results)
        shown += result->accessibleName().toStdString() + ": " + result->text().toStdString() + "\n";
    return shown;
}

TEST(GridForm, TypedPositionsShowTheCommandLinesTexts)
{
    ErrorRecorder errors;
    const struct {
        bool out;
        std::vector<QString> typed; // into the input fields, in tab order
        std::vector<std::string> arguments;
    } cases[] = {
        {true, {"5022", "N", "00408", "W"}, {"50\xC2\xB0" "22'00 N 004\xC2\xB0" "08'00 W"}},
        {true, {"7813", "N", "01539", "E"}, {"78.216666666666667 15.65"}},
        {false, {"30U", "418929.261", "5580391.516"}, {"30U", "418929.261", "5580391.516"}},
        {false, {"56s", "334368.6", "6250948.3"}, {"56s", "334368.6", "6250948.3"}},
    };
    for (const auto& c : cases) {
        grid::TGridForm form(c.out ? grid::TGridForm::Direction::ToUtm : grid::TGridForm::Direction::FromUtm);
        ShowActive(form);
        const std::vector<QLineEdit*> fields = c.out ? std::vector<QLineEdit*>{form.LatEdit, form.NorS, form.LonEdit, form.EorW}
                                                     : std::vector<QLineEdit*>{form.ZoneEdit, form.EastingEdit, form.NorthingEdit};
        for (std::size_t i = 0; i < fields.size(); ++i)
            TypeAndLeave(fields[i], c.typed[i]);
        std::string out, err;
        const int status = c.out ? grid::RunGridOut(c.arguments, out, err) : grid::RunGridIn(c.arguments, out, err);
        ASSERT_EQ(status, 0) << err;
        EXPECT_EQ(Shown(form), out);
        EXPECT_TRUE(form.StatusMessage->text().isEmpty()) << form.StatusMessage->text().toStdString();
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST(GridForm, RefusalsAreSaidAndTheNeighbourZoneIsOffered)
{
    ErrorRecorder errors;
    grid::TGridForm in(grid::TGridForm::Direction::FromUtm);
    ShowActive(in);
    TypeAndLeave(in.ZoneEdit, QStringLiteral("30T"));
    TypeAndLeave(in.EastingEdit, QStringLiteral("418929.261"));
    TypeAndLeave(in.NorthingEdit, QStringLiteral("5580391.516"));
    EXPECT_EQ(in.StatusMessage->text(), QStringLiteral("the position lies in band U, not T"));
    EXPECT_NE(QApplication::focusWidget(), in.NorthingEdit) << "the grid fields stay free";

    grid::TGridForm out(grid::TGridForm::Direction::ToUtm);
    ShowActive(out);
    TypeAndLeave(out.LatEdit, QStringLiteral("5148"));
    TypeAndLeave(out.LonEdit, QStringLiteral("00030"));
    ASSERT_EQ(out.ZoneBox->count(), 3);
    EXPECT_EQ(out.ZoneBox->itemText(1), QStringLiteral("30"));
    out.ZoneBox->setFocus();
    QTest::keyClick(out.ZoneBox, Qt::Key_Down);
    EXPECT_EQ(out.Results[0]->text(), QStringLiteral("30U"));
    TypeAndLeave(out.LatEdit, QStringLiteral("5175"));
    EXPECT_EQ(out.StatusMessage->text(), QStringLiteral("the latitude '51\xB0" "75'00': Wrong Minutes !"));
    EXPECT_EQ(QApplication::focusWidget(), out.LatEdit);
    DarkDesktop dark; // readable under a dark scheme too
    ExpectReadable(out);
    ExpectReadable(in);
}

} // namespace
