#include "platform/widgets/mask_edit.h"

#include "qt_test_support.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using testsupport::Enter;
using testsupport::Tab;

// A window with two masked fields, the way the legs' course and speed sit.
struct TwoFields {
    QWidget window;
    platform::MaskEdit* first = new platform::MaskEdit(&window);
    platform::MaskEdit* second = new platform::MaskEdit(&window);
    testsupport::ErrorRecorder errors;

    TwoFields(const std::string& firstMask, const std::string& secondMask)
    {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(first);
        column->addWidget(second);
        first->SetEditMask(firstMask);
        second->SetEditMask(secondMask);
        testsupport::ShowActive(window);
    }
};

TEST(MaskEdit, UntouchedFieldsReadBlanksAndShowTheBlankCharacter)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    EXPECT_EQ(f.first->Text(), "   . ");
    EXPECT_EQ(f.second->Text(), "  . ");
    EXPECT_EQ(f.first->text(), QStringLiteral("___._"));
}

TEST(MaskEdit, WritingFitsTheTextFieldByField)
{
    platform::MaskEdit e;
    e.SetEditMask("##\xB0##'##");
    e.SetText("52\xB0" "30'00 N"); // the hemisphere lies beyond the mask
    EXPECT_EQ(e.Text(), "52\xB0" "30'00");
    e.SetText("5");
    EXPECT_EQ(e.Text(), "5 \xB0  '  ");
    e.SetText("123\xB0" "4'56789");
    EXPECT_EQ(e.Text(), "12\xB0" "4 '56");

    e.SetEditMask("000.0;1;_");
    e.SetText("45.0");
    EXPECT_EQ(e.Text(), "45 .0");
    e.SetText("045.0");
    EXPECT_EQ(e.Text(), "045.0");
}

TEST(MaskEdit, ChangingTheMaskRelaysTheText)
{
    platform::MaskEdit e;
    e.SetEditMask("##\xB0##'##");
    e.SetText("52\xB0" "30'45");
    e.SetEditMask("##\xB0##'##\"###");
    EXPECT_EQ(e.Text(), "52\xB0" "30'45\"   ");
    e.SetEditMask("###\xB0##'##");
    EXPECT_EQ(e.Text(), "52 \xB0" "30'45");
}

TEST(MaskEdit, TypingFillsPositionsAndStepsOverLiterals)
{
    TwoFields f("000.0;1;_", "##\xB0##'##");
    Enter(f.first);
    QTest::keyClicks(f.first, "0450");
    EXPECT_EQ(f.first->Text(), "045.0");
    EXPECT_TRUE(f.first->ChangedByTyping());

    // Typing the literal itself steps over it.
    f.first->SetText("");
    Enter(f.second);
    Enter(f.first);
    QTest::keyClicks(f.first, "123.4");
    EXPECT_EQ(f.first->Text(), "123.4");

    // Required positions take digits only; optional ones a sign or a blank.
    f.first->SetText("");
    Enter(f.first);
    QTest::keyClicks(f.first, "a-1");
    EXPECT_EQ(f.first->Text(), "1  . ");
    QTest::keyClick(f.first, Qt::Key_Escape); // abandon, or it would not let go
    Enter(f.second);
    QTest::keyClicks(f.second, "- 5");
    EXPECT_EQ(f.second->Text(), "- \xB0" "5 '  ");
}

TEST(MaskEdit, RefusedKeysAndPastesChangeNothing)
{
    TwoFields f("##\xB0##'##", "000.0;1;_");
    f.first->SetSignsAllowed(false);
    f.first->SetText("52\xB0" "30'00");
    Enter(f.second);
    QTest::keyClick(f.second, Qt::Key_Tab, Qt::ShiftModifier); // in again: all selected
    ASSERT_EQ(f.first->selectedText(), f.first->text());
    QApplication::clipboard()->setText(QStringLiteral("1x"));
    for (auto [key, modifiers] : {std::pair{Qt::Key_Q, Qt::NoModifier}, {Qt::Key_Minus, Qt::NoModifier},
                                  {Qt::Key_Plus, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier}}) {
        QTest::keyClick(f.first, key, modifiers);
        EXPECT_EQ(f.first->Text(), "52\xB0" "30'00");
        EXPECT_EQ(f.first->selectedText(), f.first->text());
        EXPECT_FALSE(f.first->ChangedByTyping());
    }
    // A paste the mask takes is typed whole, a trailing line break dropped.
    QApplication::clipboard()->setText(QStringLiteral("12\u00B045'3\n"));
    QTest::keyClick(f.first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.first->Text(), "12\xB0" "45'3 ");
    // Typing the separators the caret has already stepped over is no error.
    f.first->SetText("");
    Enter(f.first);
    f.first->setCursorPosition(0);
    QTest::keyClicks(f.first, QString::fromLatin1("50\xB0" "30'00"));
    EXPECT_EQ(f.first->Text(), "50\xB0" "30'00");
}

TEST(MaskEdit, BackspaceAndDeleteEmptyPositions)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    f.first->SetText("123.4");
    Enter(f.first);
    f.first->setCursorPosition(5);
    QTest::keyClick(f.first, Qt::Key_Backspace);
    QTest::keyClick(f.first, Qt::Key_Backspace); // steps over the point
    EXPECT_EQ(f.first->Text(), "12 . ");
    f.first->setCursorPosition(0);
    QTest::keyClick(f.first, Qt::Key_Delete);
    EXPECT_EQ(f.first->Text(), " 2 . ");
}

TEST(MaskEdit, IncompleteTypedEntryRefusesToBeLeft)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    QSignalSpy exits(f.first, &platform::MaskEdit::exited);
    Enter(f.first);
    QTest::keyClicks(f.first, "4");
    Tab(f.first);
    ASSERT_EQ(f.errors.messages.size(), 1);
    EXPECT_EQ(f.errors.messages[0], QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
    EXPECT_TRUE(f.first->hasFocus());
    EXPECT_EQ(f.first->cursorPosition(), 1); // the first empty required position
    EXPECT_EQ(exits.count(), 0);

    // A point typed early jumps to its place; completing the entry lets it go.
    QTest::keyClicks(f.first, "5.");
    EXPECT_EQ(f.first->Text(), "45 . ");
    EXPECT_EQ(f.first->cursorPosition(), 4);
    QTest::keyClick(f.first, Qt::Key_Home);
    QTest::keyClicks(f.first, "4500");
    Tab(f.first);
    EXPECT_EQ(f.errors.messages.size(), 1);
    EXPECT_TRUE(f.second->hasFocus());
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(f.first->Text(), "450.0");
}

TEST(MaskEdit, EscapeRestoresTheTextFromBeforeEditing)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    f.first->SetText("090.0");
    Enter(f.second);
    Enter(f.first);
    QTest::keyClicks(f.first, "1");
    EXPECT_EQ(f.first->Text(), "1  . ");
    QTest::keyClick(f.first, Qt::Key_Escape);
    EXPECT_EQ(f.first->Text(), "090.0");
    EXPECT_FALSE(f.first->ChangedByTyping());
    Tab(f.first);
    EXPECT_TRUE(f.errors.messages.isEmpty());
}

TEST(MaskEdit, ClickingAwayFromAnIncompleteEntryTakesTheFocusBack)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    Enter(f.second);
    Enter(f.first);
    QSignalSpy exits(f.first, &platform::MaskEdit::exited);
    QTest::keyClicks(f.first, "12");
    f.second->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(f.first->hasFocus());
    EXPECT_EQ(f.errors.messages.size(), 1);
    EXPECT_EQ(exits.count(), 0);
}

TEST(MaskEdit, UntouchedFieldsAreLeftSilently)
{
    TwoFields f("000.0;1;_", "00.0;1;_");
    QSignalSpy firstExits(f.first, &platform::MaskEdit::exited);
    QSignalSpy secondExits(f.second, &platform::MaskEdit::exited);
    Enter(f.first);
    Tab(f.first);
    Tab(f.second);
    EXPECT_TRUE(f.errors.messages.isEmpty());
    EXPECT_EQ(firstExits.count(), 1);
    EXPECT_EQ(secondExits.count(), 1);
    EXPECT_EQ(f.first->Text(), "   . ");
}

TEST(MaskEdit, AClickIntoAnEmptyFieldTypesFromItsFirstPosition)
{
    const struct {
        const char* mask;
        const char* before; // "" for an untouched field
        double at;          // where the click lands, a fraction of the width
        const char* typed;
        const char* after;
    } cases[] = {
        {"000.0;1;_", "", 0.9, "0450", "045.0"},
        {"00.0;1;_", "", 0.5, "100", "10.0"},
        {"##\xB0##'##", "", 0.7, "5230", "52\xB0" "30'  "},
        {"000.0;1;_", "090.0", 0.02, "1", "190.0"}, // a field with digits keeps the caret where clicked
    };
    for (const auto& c : cases) {
        TwoFields f(c.mask, "00.0;1;_");
        if (*c.before)
            f.first->SetText(c.before);
        QTest::mouseClick(f.first, Qt::LeftButton, {},
                          QPoint(static_cast<int>(f.first->width() * c.at), f.first->height() / 2));
        QTest::keyClicks(f.first, QString::fromLatin1(c.typed));
        EXPECT_EQ(f.first->Text(), c.after) << c.mask << " " << c.typed;
    }
}

} // namespace

namespace {

TEST(MaskEdit, APasteThatIsNoWholeEntryIsTypedAtTheCaretAndKeepsTheRest)
{
    const struct {
        const char* mask;
        const char* before;
        int caret;
        const char* pasted;
        const char* after;
    } cases[] = {
        {"##\xB0##'##", "52\xB0" "30'00", 3, "45", "52\xB0" "45'00"},     // the minutes alone
        {"###\xB0##'##", "004\xB0" "15'45", 7, "9", "004\xB0" "15'95"},  // one digit
        {"000.0;1;_", "045.0", 4, "5", "045.5"},                       // the tenth
        {"##\xB0##'##", "52\xB0" "30'00", 6, "12345", "52\xB0" "30'00"}, // beyond the end: refused, nothing changes
        {"000.0;1;_", "045.0", 0, "180.0", "180.0"},                   // a whole entry replaces it all
    };
    for (const auto& c : cases) {
        TwoFields f(c.mask, "00.0;1;_");
        f.first->SetText(c.before);
        Enter(f.first);
        f.first->setCursorPosition(c.caret);
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        QTest::keyClick(f.first, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.first->Text(), c.after) << c.before << " + " << c.pasted;
    }
}

TEST(MaskEdit, EscapeSaysItBroughtBackTheText)
{
    TwoFields f("##\xB0##'##", "00.0;1;_");
    QSignalSpy restored(f.first, &platform::MaskEdit::restored);
    f.first->SetText("52\xB0" "30'00");
    Enter(f.first);
    QTest::keyClick(f.first, Qt::Key_Escape); // nothing typed: nothing brought back
    EXPECT_EQ(restored.count(), 0);
    QTest::keyClicks(f.first, "7");
    QTest::keyClick(f.first, Qt::Key_Escape);
    EXPECT_EQ(f.first->Text(), "52\xB0" "30'00");
    EXPECT_EQ(restored.count(), 1);
}

} // namespace
