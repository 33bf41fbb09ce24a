#include "form1_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using testsupport::Q;
using testsupport::Window;

struct Placed {
    const char* name;
    int x, y, w, h; // w and h 0: sized to the caption
};

// Every control of the window at its place in its parent.
const Placed Controls[] = {
    {"CoolBar1", 0, 0, 771, 41},     {"Label47", 320, 8, 167, 24},   {"RadioGroup1", 24, 48, 97, 81},
    {"Label6", 24, 160, 0, 0},       {"Panel2", 24, 188, 241, 277},  {"StatusBar1", 0, 476, 771, 25},
    {"Label1", 16, 16, 0, 0},        {"lat_edit", 80, 16, 89, 24},   {"NorS", 176, 16, 25, 24},
    {"Label2", 16, 56, 0, 0},        {"lon_edit", 80, 56, 89, 24},   {"EorW", 176, 56, 25, 24},
    {"Label18", 8, 104, 0, 0},       {"DatePicker", 6, 120, 225, 24}, {"Label19", 40, 160, 0, 0},
    {"TimePicker", 40, 184, 49, 24}, {"Label13", 40, 216, 0, 0},     {"ComboBox1", 40, 237, 145, 24},
    {"Label39", 288, 160, 0, 0},     {"Label4", 320, 160, 0, 0},     {"Label3", 368, 144, 0, 0},
    {"Label41", 384, 160, 0, 0},     {"Label5", 424, 144, 0, 0},     {"Label40", 424, 160, 0, 0},
    {"Label20", 496, 144, 0, 0},     {"Label21", 496, 160, 0, 0},    {"Label22", 600, 160, 0, 0},
    {"Label23", 680, 160, 0, 0},
    // Leg rows: number, course, degree sign, speed, interval, results.
    {"Label34", 296, 192, 6, 13},    {"MaskEdit21", 312, 192, 41, 21}, {"Label42", 360, 184, 7, 20},
    {"MaskEdit16", 376, 192, 33, 21}, {"Maskedit11", 432, 192, 41, 21}, {"Label7", 496, 181, 0, 16},
    {"Label12", 489, 197, 0, 16},    {"Label24", 600, 181, 0, 16},   {"Label29", 688, 181, 0, 16},
    {"Label35", 296, 234, 6, 13},    {"MaskEdit22", 312, 232, 41, 21}, {"Label43", 360, 226, 7, 20},
    {"MaskEdit17", 376, 232, 33, 21}, {"Maskedit12", 432, 232, 41, 21}, {"Label8", 496, 224, 0, 16},
    {"Label14", 489, 240, 0, 16},    {"Label25", 600, 224, 0, 16},   {"Label30", 688, 224, 0, 16},
    {"Label36", 296, 276, 6, 13},    {"MaskEdit23", 312, 272, 41, 21}, {"Label44", 360, 268, 7, 20},
    {"MaskEdit18", 376, 272, 33, 21}, {"Maskedit13", 432, 272, 41, 21}, {"Label9", 496, 268, 0, 16},
    {"Label15", 489, 284, 0, 16},    {"Label26", 600, 268, 0, 16},   {"Label31", 688, 268, 0, 16},
    {"Label37", 296, 318, 6, 13},    {"MaskEdit24", 312, 320, 41, 21}, {"Label45", 360, 310, 7, 20},
    {"MaskEdit19", 376, 320, 33, 21}, {"Maskedit14", 432, 320, 41, 21}, {"Label10", 496, 311, 0, 16},
    {"Label16", 489, 327, 0, 16},    {"Label27", 600, 311, 0, 16},   {"Label32", 688, 311, 0, 16},
    {"Label38", 296, 360, 6, 13},    {"MaskEdit25", 312, 360, 41, 21}, {"Label46", 360, 352, 7, 20},
    {"MaskEdit20", 376, 360, 33, 21}, {"maskedit15", 432, 360, 41, 21}, {"Label11", 496, 354, 0, 16},
    {"Label17", 489, 370, 0, 16},    {"Label28", 600, 354, 0, 16},   {"Label33", 688, 354, 0, 16},
};

TEST(Form1Layout, EveryControlIsNamedAndPlaced)
{
    Window w;
    for (const Placed& c : Controls) {
        auto* widget = w->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->pos(), QPoint(c.x, c.y)) << c.name;
        if (c.w > 0) {
            // Result labels grow with their text; others keep their size.
            EXPECT_GE(widget->width(), c.w) << c.name;
        }
        if (c.h > 0) {
            EXPECT_EQ(widget->height(), c.h) << c.name;
        }
        // Every caption fits its control.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << c.name;
        }
    }
    // The members are the named controls.
    EXPECT_EQ(w->lat_edit->objectName(), QStringLiteral("lat_edit"));
    EXPECT_EQ(w->maskedit15->objectName(), QStringLiteral("maskedit15"));
    EXPECT_EQ(w->Maskedit11->objectName(), QStringLiteral("Maskedit11"));
    EXPECT_EQ(w->FilePrintItem->objectName(), QStringLiteral("FilePrintItem"));
    EXPECT_EQ(w->objectName(), QStringLiteral("Form1"));
}

TEST(Form1Layout, WindowIsFixedAndTitled)
{
    Window w;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Dead Reckoning"));
    EXPECT_EQ(w->ClientArea->size(), QSize(771, 501));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->Label47->text(), QStringLiteral("Dead Reckoning"));
    EXPECT_TRUE(w->Label47->font().bold());
    EXPECT_TRUE(w->Label47->font().italic());
    EXPECT_EQ(w->Label6->text(), QStringLiteral("Start Time and  Position"));
    EXPECT_EQ(w->Label3->text(), QStringLiteral("Speed "));
    EXPECT_EQ(w->RadioGroup1->title(), QStringLiteral("Display"));
    EXPECT_EQ(w->RadioGroup1->toolTip(), QStringLiteral("Change display settings"));
}

TEST(Form1Layout, MenusHaveFilesPicturesPrintExitAndTheChart)
{
    Window w;
    EXPECT_EQ(w->FileMenu->title(), QStringLiteral("&File"));
    const struct {
        const char* text; // empty: a separator
        const char* shortcut;
    } expected[] = {
        {"&Open...", "Ctrl+O"}, {"&Save", "Ctrl+S"}, {"Save &As...", "Ctrl+Shift+S"}, {"", ""},
        {"Export &Route...", ""}, {"Export C&hart...", ""}, {"", ""}, {"&Print", ""}, {"", ""}, {"E&xit", ""},
    };
    const QList<QAction*> items = w->FileMenu->actions();
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(items[i]->isSeparator(), *expected[i].text == 0) << i;
        EXPECT_EQ(items[i]->text(), QString::fromLatin1(expected[i].text)) << i;
        EXPECT_EQ(items[i]->shortcut(), QKeySequence(QString::fromLatin1(expected[i].shortcut))) << i;
    }
    EXPECT_EQ(w->ViewMenu->title(), QStringLiteral("&View"));
    EXPECT_EQ(w->ViewChartItem->text(), QStringLiteral("&Chart"));
    EXPECT_EQ(w->ViewChartItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    EXPECT_EQ(w->FilePrintItem->toolTip(), QStringLiteral("Print current file"));
    EXPECT_EQ(w->FileExitItem->toolTip(), QStringLiteral("Exit this application"));
}

TEST(Form1Layout, StartContents)
{
    Window w;
    const QString today = QString::fromLatin1(
        legplot::DateText(legplot::DayNumberOf(QDate::currentDate().year(), QDate::currentDate().month(),
                                               QDate::currentDate().day()),
                          platform::LocaleDateSeparator())
            .c_str());
    for (QLabel* lat : {w->Label7, w->Label8, w->Label9, w->Label10, w->Label11})
        EXPECT_EQ(lat->text(), Q("00*00'00 N"));
    for (QLabel* lon : {w->Label12, w->Label14, w->Label15, w->Label16, w->Label17})
        EXPECT_EQ(lon->text(), Q("000*00'00 E"));
    for (QLabel* date : {w->Label24, w->Label25, w->Label26, w->Label27, w->Label28})
        EXPECT_EQ(date->text(), today);
    for (QLabel* time : {w->Label29, w->Label30, w->Label31, w->Label32, w->Label33})
        EXPECT_EQ(time->text(), QStringLiteral("00:00"));
    for (auto* course : {w->MaskEdit21, w->MaskEdit22, w->MaskEdit23, w->MaskEdit24, w->MaskEdit25})
        EXPECT_EQ(course->Text(), "   . ");
    for (auto* speed : {w->MaskEdit16, w->MaskEdit17, w->MaskEdit18, w->MaskEdit19, w->MaskEdit20})
        EXPECT_EQ(speed->Text(), "  . ");
    for (auto* interval : {w->Maskedit11, w->Maskedit12, w->Maskedit13, w->Maskedit14, w->maskedit15})
        EXPECT_EQ(interval->Text(), "00:00");
    EXPECT_EQ(w->TimePicker->Text(), "00:00");
    EXPECT_EQ(w->lat_edit->Text(), testsupport::T("00*00'00"));
    EXPECT_EQ(w->lon_edit->Text(), testsupport::T("000*00'00"));
    EXPECT_EQ(w->NorS->Text(), "N");
    EXPECT_EQ(w->EorW->Text(), "E");
    EXPECT_EQ(w->DatePicker->date(), QDate::currentDate());
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(w->StatusMessage(), QString());
    // Nothing computed yet: the departure date text is still empty.
    EXPECT_EQ(w->Plan().DepartureDateText, "");

    ASSERT_EQ(w->ComboBox1->count(), 25);
    EXPECT_EQ(w->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("Airy"));
    EXPECT_EQ(w->ComboBox1->itemText(22), QStringLiteral("WGS 84"));
    EXPECT_FALSE(w->ComboBox1->isEditable());
}

TEST(Form1Layout, TabOrderRunsThroughStartPanelDisplayAndLegs)
{
    // The whole chain, Tab by Tab and back by Shift+Tab; the display group
    // takes one stop (its selected item).
    Window w;
    const QWidget* expected[] = {
        w->lat_edit,   w->NorS,       w->lon_edit,   w->EorW,       w->DatePicker, w->TimePicker,
        w->ComboBox1,  w->RadioGroup1->Item(0),      w->MaskEdit21, w->MaskEdit16, w->Maskedit11,
        w->MaskEdit22, w->MaskEdit17, w->Maskedit12, w->MaskEdit23, w->MaskEdit18, w->Maskedit13,
        w->MaskEdit24, w->MaskEdit19, w->Maskedit14, w->MaskEdit25, w->MaskEdit20, w->maskedit15,
    };
    w->lat_edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, expected[i]) << "step " << i << " at " << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Tab);
        QApplication::processEvents();
    }
    EXPECT_EQ(QApplication::focusWidget(), w->lat_edit); // round again
    for (std::size_t i = std::size(expected); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), expected[i]) << "back at step " << i;
    }
    // Another format chosen, its button is the stop.
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->MaskEdit21);
    EXPECT_TRUE(w.errors.messages.isEmpty());
    EXPECT_EQ(w->StatusMessage(), QString());
}

TEST(Form1Layout, ScreenReadersFindEveryFieldAndResultByName)
{
    Window w;
    w.TypeAndLeave(w->MaskEdit18, "10.0");
    w.TypeAndLeave(w->Maskedit13, "0100");
    const std::map<const QObject*, QString> names = testsupport::AccessibleNames(w.form.get());
    const std::pair<const char*, const QWidget*> named[] = {
        {"Start latitude", w->lat_edit},         {"Start latitude hemisphere", w->NorS},
        {"Start longitude", w->lon_edit},        {"Start longitude hemisphere", w->EorW},
        {"Date of departure", w->DatePicker},    {"Time of departure", w->TimePicker},
        {"Leg 1 course", w->MaskEdit21},         {"Leg 3 speed", w->MaskEdit18},
        {"Leg 5 interval", w->maskedit15},       {"Leg 3 end latitude", w->Label9},
        {"Leg 3 end longitude", w->Label15},     {"Leg 4 date of arrival", w->Label27},
        {"Leg 2 time of arrival", w->Label30},
    };
    for (const auto& [name, widget] : named) {
        const auto found = names.find(widget);
        ASSERT_NE(found, names.end()) << name;
        EXPECT_EQ(found->second, QString::fromLatin1(name));
    }
    // The list's name is its item; its label names it.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w->ComboBox1);
    const auto labels = list->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Ellipsoid"));
    // After the name, a reader hears the figure itself.
    QAccessibleInterface* leg3 = QAccessible::queryAccessibleInterface(w->Label9);
    EXPECT_EQ(leg3->text(QAccessible::Description), w->Label9->text());
    EXPECT_NE(w->Label9->text(), Q("00*00'00 N"));
}

TEST(Form1Layout, TextsStayReadableUnderADarkDesktopScheme)
{
    const QPalette light = QApplication::palette();
    Window w;
    {
        testsupport::DarkDesktop dark; // switched while the window is open
        testsupport::ExpectReadable(*w.form);
        EXPECT_EQ(w->Label47->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
    // A light scheme keeps its own surfaces under the fixed colours.
    EXPECT_EQ(w->palette().color(QPalette::Window), light.color(QPalette::Window));
    EXPECT_EQ(w->Label7->palette().color(QPalette::WindowText), QColor(Qt::black));
    testsupport::ExpectReadable(*w.form);
}

TEST(Locale, DecimalSeparatorIsAPointWhileTheWindowLives)
{
    const char locale = platform::DecimalSeparator();
    platform::SetDecimalSeparator(',');
    {
        Window w;
        EXPECT_EQ(platform::DecimalSeparator(), '.');
        w.TypeAndLeave(w->MaskEdit16, "12.5");
        EXPECT_EQ(w.Leg(1).Speed, 12.5);
        w->close();
        EXPECT_EQ(platform::DecimalSeparator(), ',');
    }
    platform::SetDecimalSeparator(locale);
}

TEST(Locale, DatesUseTheLocaleSeparator)
{
    Window w;
    const char separator = platform::LocaleDateSeparator();
    if (const char* expected = std::getenv("VORLAN_EXPECT_DATE_SEPARATOR")) {
        EXPECT_EQ(separator, expected[0]);
    }
    w->DatePicker->setDate(QDate(2026, 12, 6));
    const std::string expected = std::string("06") + separator + "12" + separator + "2026";
    EXPECT_EQ(w->Label24->text().toStdString(), expected);
    EXPECT_EQ(w->Plan().DepartureDateText, expected);
}

} // namespace
