// The window driven as a navigator drives it: keys at the focused widget,
// Tab and Shift+Tab, the menu by its keys and the mouse, clicks. Nothing
// here sets a field's text or calls a handler.
#include "form1_test_support.h"
#include "platform/print/printing.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using testsupport::ClickIntoStart;
using testsupport::Focus;
using testsupport::Key;
using testsupport::PrintFromTheMenu;
using testsupport::Q;
using testsupport::T;
using testsupport::Type;
using testsupport::Window;

// Escape closes the menu, and once more leaves the menu bar.
void CloseMenu(QWidget* window)
{
    for (int i = 0; i < 3 && QApplication::activePopupWidget(); ++i)
        Key(Qt::Key_Escape);
    // The offscreen platform leaves a menu opened by the mouse the active
    // window once it is closed; a desktop gives the activation back.
    if (QApplication::activeWindow() != window)
        testsupport::ShowActive(*window);
    if (qobject_cast<QMenuBar*>(Focus()))
        Key(Qt::Key_Escape);
}

void Paste(const QString& text)
{
    QApplication::clipboard()->setText(text);
    Key(Qt::Key_V, Qt::ControlModifier);
}

bool AllSelected(const QLineEdit* field)
{
    return field->selectedText() == field->text() && !field->text().isEmpty();
}

TEST(Form1Keyboard, RefusedEntriesComeBackSelectedSoTypingReplacesThem)
{
    Window w;
    // A course above the limit: whatever is typed next replaces it.
    ClickIntoStart(w->MaskEdit21);
    Type("4000");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
    ASSERT_EQ(Focus(), w->MaskEdit21);
    EXPECT_TRUE(AllSelected(w->MaskEdit21));
    Type("0450");
    EXPECT_EQ(w->MaskEdit21->Text(), "045.0");
    // Escape still abandons what was typed since.
    Key(Qt::Key_Escape);
    EXPECT_EQ(w->MaskEdit21->Text(), "400.0");
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Tab); // back in with Tab: selected, as any field entered so
    Type("0450");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_EQ(w.Leg(1).Course, 45.0);
    EXPECT_EQ(Focus(), w->MaskEdit16);

    // A refused start position.
    ClickIntoStart(w->lat_edit);
    Type("900000");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Wrong Degrees "));
    ASSERT_EQ(Focus(), w->lat_edit);
    EXPECT_TRUE(AllSelected(w->lat_edit));
    Type("4530");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->Plan().StartLat, 45.5);
    EXPECT_EQ(w->StatusMessage(), QString());

    // A hemisphere letter that is neither N nor S.
    ASSERT_EQ(Focus(), w->NorS);
    Type("x");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), w->NorS);
    EXPECT_TRUE(AllSelected(w->NorS));
    Type("s");
    EXPECT_EQ(w->NorS->Text(), "S");
    EXPECT_EQ(w->Plan().StartLat, -45.5);
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Keyboard, KeysAndPastesAFieldDoesNotTakeChangeNothing)
{
    Window w;
    ClickIntoStart(w->lat_edit);
    Type("503000");
    Key(Qt::Key_Tab);
    ASSERT_EQ(w->Plan().StartLat, 50.5);
    Key(Qt::Key_Backtab); // the whole latitude selected
    ASSERT_TRUE(AllSelected(w->lat_edit));
    for (int key : {Qt::Key_X, Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Comma}) {
        Key(key);
        EXPECT_EQ(w->lat_edit->Text(), T("50*30'00"));
        EXPECT_TRUE(AllSelected(w->lat_edit));
    }
    Paste(QStringLiteral("12x"));
    EXPECT_EQ(w->lat_edit->Text(), T("50*30'00"));
    EXPECT_TRUE(AllSelected(w->lat_edit));
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->Plan().StartLat, 50.5);

    // The picture fields: the caret stays where it was, at the end.
    ClickIntoStart(w->Maskedit11);
    Key(Qt::Key_End);
    Key(Qt::Key_X);
    EXPECT_EQ(w->Maskedit11->Text(), "00:00");
    EXPECT_EQ(w->Maskedit11->cursorPosition(), 5);
    Paste(QStringLiteral("1a"));
    EXPECT_EQ(w->Maskedit11->Text(), "00:00");
    EXPECT_EQ(w->Maskedit11->cursorPosition(), 5);
    Paste(QStringLiteral("01:30\n"));
    EXPECT_EQ(w->Maskedit11->Text(), "01:30");
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Keyboard, StartFieldsTakeNoSign)
{
    // A minus before 7°30' with "N" would store 6°30' N.
    Window w;
    ClickIntoStart(w->lat_edit);
    Type("-073000");
    EXPECT_EQ(w->lat_edit->Text(), T("07*30'00"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->Plan().StartLat, 7.5);
    ClickIntoStart(w->lon_edit);
    Paste(QStringLiteral("-01"));
    Type("+0043000");
    EXPECT_EQ(w->lon_edit->Text(), T("004*30'00"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->Plan().StartLon, 4.5);
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Keyboard, StartFieldsReLaidShowOnlyWhatTheirExitTakes)
{
    Window w;
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton); // DMS.sss
    ClickIntoStart(w->lon_edit);
    Type("1795959990");
    Key(Qt::Key_Tab);
    ClickIntoStart(w->lat_edit);
    Type("895959999");
    Key(Qt::Key_Tab);
    ASSERT_EQ(w->StatusMessage(), QString());

    // In DM.dd both would carry to 90° and 180°.
    QTest::mouseClick(w->RadioGroup1->Item(0), Qt::LeftButton);
    EXPECT_EQ(w->lat_edit->Text(), T("89*59'99"));
    EXPECT_EQ(w->lon_edit->Text(), T("179*59'99"));
    EXPECT_EQ(w->Label12->text(), Q("000*00'00 E")); // results keep their own texts

    // Tabbing through them says nothing and keeps them.
    ClickIntoStart(w->lat_edit);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), w->EorW);
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_DOUBLE_EQ(w->Plan().StartLon, 179 + 59.99 / 60);
    EXPECT_DOUBLE_EQ(w->Plan().StartLat, 89 + 59.99 / 60);
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

// Types a date into the focused date field, section by section in the
// order its display format shows them.
void TypeDate(const QString& format, int day, int month, int year)
{
    struct Part {
        qsizetype at;
        QString digits;
    };
    std::vector<Part> parts;
    const auto find = [&](const QRegularExpression& section, const QString& digits) {
        parts.push_back({format.indexOf(section), digits});
    };
    find(QRegularExpression(QStringLiteral("(?<!d)dd?(?!d)")), QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    find(QRegularExpression(QStringLiteral("M+")), QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    find(QRegularExpression(QStringLiteral("y+")), QString::number(year));
    std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.at < b.at; });
    for (const Part& p : parts)
        QTest::keyClicks(Focus(), p.digits);
    QApplication::processEvents();
}

TEST(Form1Keyboard, DepartureDateIsTypedAndPickedFromTheKeyboard)
{
    Window w;
    ClickIntoStart(w->lon_edit);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), w->DatePicker);
    TypeDate(w->DatePicker->displayFormat(), 15, 3, 2027);
    EXPECT_EQ(w->DatePicker->date(), QDate(2027, 3, 15));
    const QChar separator = QLatin1Char(platform::LocaleDateSeparator());
    EXPECT_EQ(w->Label24->text(), QStringLiteral("15") + separator + QStringLiteral("03") + separator +
                                      QStringLiteral("2027")); // recomputed at once

    // The pull-down calendar: Alt+Down, a day on, Return.
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(w->DatePicker->Calendar()->isVisible());
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_FALSE(w->DatePicker->Calendar()->isVisible());
    EXPECT_EQ(w->DatePicker->date(), QDate(2027, 3, 16));
    EXPECT_EQ(Focus(), w->DatePicker);
    // F4 opens it too; Escape closes it and changes nothing.
    Key(Qt::Key_F4);
    ASSERT_TRUE(w->DatePicker->Calendar()->isVisible());
    Key(Qt::Key_Right);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(w->DatePicker->Calendar()->isVisible());
    EXPECT_EQ(w->DatePicker->date(), QDate(2027, 3, 16));
    EXPECT_EQ(w->Label24->text(), QStringLiteral("16") + separator + QStringLiteral("03") + separator +
                                      QStringLiteral("2027"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), w->TimePicker);
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Keyboard, TheDepartureDateIsSelectedAndCopiedWhole)
{
    Window w;
    w->DatePicker->setDate(QDate(2027, 4, 15));
    ClickIntoStart(w->DatePicker);
    const QString shown = w->DatePicker->text();
    EXPECT_NE(w->DatePicker->selectedText(), shown) << "a section is selected";
    QApplication::clipboard()->clear();
    Key(Qt::Key_C, Qt::ControlModifier); // a section selected: the date all the same
    EXPECT_EQ(QApplication::clipboard()->text(), shown);
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(AllSelected(w->DatePicker));
    QApplication::clipboard()->clear();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), shown);
    EXPECT_EQ(w->DatePicker->date(), QDate(2027, 4, 15));
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Keyboard, MenuOpensWithoutLeavingTheField)
{
    Window w;
    // Alt+F over a half-typed course: the menu, not the refusal.
    ClickIntoStart(w->MaskEdit21);
    Type("12");
    Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), w->FileMenu);
    CloseMenu(w.form.get());
    ASSERT_EQ(Focus(), w->MaskEdit21);
    EXPECT_EQ(w->MaskEdit21->cursorPosition(), 2);
    EXPECT_TRUE(w.errors.messages.isEmpty());
    Type("3.5");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w.Leg(1).Course, 123.5);

    // F10 and the mouse open it as well, and nothing is left either.
    ClickIntoStart(w->lat_edit);
    Type("5");
    Key(Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), w->FileMenu);
    CloseMenu(w.form.get());
    EXPECT_EQ(Focus(), w->lat_edit);
    const QPoint file = w->MainMenu->actionGeometry(w->FileMenu->menuAction()).center();
    QTest::mousePress(w->MainMenu, Qt::LeftButton, {}, file);
    QTest::mouseRelease(w->MainMenu, Qt::LeftButton, {}, file);
    EXPECT_EQ(QApplication::activePopupWidget(), w->FileMenu);
    EXPECT_EQ(w->Plan().StartLat, 0.0);
    EXPECT_EQ(w->StatusMessage(), QString());
    CloseMenu(w.form.get());

    // An entry whose exit reports an error reports it once, when left.
    ClickIntoStart(w->Maskedit12);
    Type("1-00");
    for (int i = 0; i < 3; ++i) {
        Key(Qt::Key_F, Qt::AltModifier);
        CloseMenu(w.form.get());
    }
    EXPECT_TRUE(w.errors.messages.isEmpty());
    Key(Qt::Key_Tab);
    EXPECT_EQ(w.errors.messages, QStringList{QStringLiteral("'1-' is not a valid integer value")});
}

TEST(Form1Keyboard, PrintFromTheMenuPrintsWhatWasComputed)
{
    Window w;
    ClickIntoStart(w->TimePicker);
    Type("0830");
    Key(Qt::Key_Tab);
    ClickIntoStart(w->lat_edit);
    Type("503000");
    Key(Qt::Key_Tab);

    // Typed and not left: not taken, so not printed.
    ClickIntoStart(w->TimePicker);
    Type("2200");
    QString page = PrintFromTheMenu();
    EXPECT_EQ(Focus(), w->TimePicker);
    EXPECT_TRUE(page.contains(QStringLiteral("Time : 08:30"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("50°30'00 N"))) << page.toStdString();

    ClickIntoStart(w->lat_edit); // the time is taken now
    Type("10");
    page = PrintFromTheMenu();
    EXPECT_EQ(Focus(), w->lat_edit);
    EXPECT_TRUE(page.contains(QStringLiteral("Time : 22:00"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("50°30'00 N"))) << page.toStdString();
    EXPECT_EQ(w->Plan().StartLat, 50.5);
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

} // namespace
