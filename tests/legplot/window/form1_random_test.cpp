// Thousands of random inputs through the window's own controls; after each,
// the program still runs, the result labels agree with the plan, and the
// stored signs agree with the hemisphere letters.
#include "form1_test_support.h"

#include "geo/angle_text.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <random>

namespace {

using testsupport::Window;

class RandomUser {
public:
    explicit RandomUser(Window& w) : w_(w), random_(20261207) {}

    void Act()
    {
        switch (Pick(10)) {
        case 0: case 1: case 2: case 3: TypeIntoAField(); break;
        case 4: QTest::mouseClick(w_->NorS, Qt::LeftButton); break;
        case 5: QTest::mouseClick(w_->EorW, Qt::LeftButton); break;
        case 6: QTest::mouseClick(w_->RadioGroup1->Item(Pick(3)), Qt::LeftButton); break;
        case 7:
            w_->ComboBox1->setCurrentIndex(Pick(25));
            w_->ComboBox1Change();
            break;
        case 8: w_->DatePicker->setDate(QDate(1600 + Pick(2400), 1 + Pick(12), 1 + Pick(28))); break;
        default: TypeIntoAField(); break;
        }
        QApplication::processEvents();
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void TypeIntoAField()
    {
        QWidget* fields[] = {w_->lat_edit,   w_->lon_edit,   w_->NorS,       w_->EorW,       w_->TimePicker,
                             w_->Maskedit11, w_->Maskedit12, w_->maskedit15, w_->MaskEdit16, w_->MaskEdit17,
                             w_->MaskEdit20, w_->MaskEdit21, w_->MaskEdit22, w_->MaskEdit25};
        testsupport::Enter(fields[Pick(static_cast<int>(std::size(fields)))]);
        // A refused field keeps the focus: the keys go where the focus is.
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        if (auto* line = qobject_cast<QLineEdit*>(focus))
            line->setCursorPosition(Pick(line->text().size() + 1));
        static const char keys[] = "0123456789012345678901234567890123456789 -.sSnNeEwWx";
        const int count = Pick(6);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(focus, keys[Pick(static_cast<int>(sizeof keys) - 1)]);
        switch (Pick(4)) {
        case 0: QTest::keyClick(focus, Qt::Key_Escape); [[fallthrough]];
        default: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); break;
        }
    }

    Window& w_;
    std::mt19937 random_;
};

TEST(Form1Random, ThousandsOfInputsKeepPlanLabelsAndLettersInStep)
{
    Window w;
    w->DatePickerChange(); // one computation, so the date labels come from the plan
    RandomUser user(w);
    int checked = 0;
    for (int step = 0; step < 3000; ++step) {
        const qsizetype errorsBefore = w.errors.messages.size();
        user.Act();
        const legplot::VoyagePlan& plan = w->Plan();

        ASSERT_EQ(std::signbit(plan.StartLat), w->NorS->Text() == "S") << "step " << step;
        ASSERT_EQ(std::signbit(plan.StartLon), w->EorW->Text() == "W") << "step " << step;
        for (const legplot::Leg& leg : plan.Legs) {
            ASSERT_TRUE(std::isfinite(leg.EndLat) && std::isfinite(leg.EndLon)) << "step " << step;
            ASSERT_TRUE(leg.ArrivalTime >= 0 && leg.ArrivalTime < 86400) << "step " << step;
        }

        // A run that an error stopped leaves labels of an older format.
        if (w.errors.messages.size() != errorsBefore)
            continue;
        const auto format = static_cast<geo::AngleFormat>(w->RadioGroup1->ItemIndex());
        const QLabel* lats[] = {w->Label7, w->Label8, w->Label9, w->Label10, w->Label11};
        const QLabel* lons[] = {w->Label12, w->Label14, w->Label15, w->Label16, w->Label17};
        const QLabel* times[] = {w->Label29, w->Label30, w->Label31, w->Label32, w->Label33};
        for (std::size_t k = 0; k < plan.Legs.size(); ++k) {
            const legplot::Leg& leg = plan.Legs[k];
            ASSERT_EQ(lats[k]->text(), QString::fromLatin1(geo::FormatAngle(format, false, leg.EndLat).c_str()))
                << "step " << step;
            ASSERT_EQ(lons[k]->text(), QString::fromLatin1(geo::FormatAngle(format, true, leg.EndLon).c_str()))
                << "step " << step;
            ASSERT_EQ(times[k]->text().toStdString(), legplot::TimeText(leg.ArrivalTime, platform::LocaleTimeSeparator()))
                << "step " << step;
        }
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

// Random keys and clicks at whatever has the focus, with an error report
// that, like a modal box, runs the event loop while it is open.
class RandomKeysAndClicks {
public:
    RandomKeysAndClicks(Window& w, unsigned seed) : w_(w), random_(seed) {}

    void Act()
    {
        QWidget* focus = QApplication::focusWidget();
        if (QWidget* popup = QApplication::activePopupWidget())
            focus = popup->focusWidget() ? popup->focusWidget() : popup;
        if (!focus)
            focus = w_.form.get();
        if (Pick(4) == 0) {
            Click();
            return;
        }
        static const Qt::Key named[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Left,
                                        Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,   Qt::Key_PageUp,
                                        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_F4};
        static const char typed[] = "0123456789012345678901234567890123456789/.:- sSnNeEwWx";
        switch (Pick(6)) {
        case 0: QTest::keyClick(focus, named[Pick(static_cast<int>(std::size(named)))]); break;
        case 1:
            QApplication::clipboard()->setText(Pick(2) ? QStringLiteral("15/03/2027") : QStringLiteral("1x"));
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            break;
        default: QTest::keyClick(focus, typed[Pick(static_cast<int>(sizeof typed) - 1)]); break;
        }
    }

    // Escape closes a popup, once more when a date is being typed into the
    // calendar.
    static void ClosePopups()
    {
        for (int tries = 0; tries < 4 && QApplication::activePopupWidget(); ++tries) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Click()
    {
        QWidget* targets[] = {w_->lat_edit,   w_->NorS,       w_->lon_edit,   w_->EorW,       w_->DatePicker,
                              w_->TimePicker, w_->Maskedit11, w_->Maskedit12, w_->MaskEdit16, w_->MaskEdit17,
                              w_->MaskEdit21, w_->MaskEdit22, w_->RadioGroup1->Item(0), w_->RadioGroup1->Item(1),
                              w_->RadioGroup1->Item(2)};
        ClosePopups(); // as a click outside does
        QWidget* target = targets[Pick(static_cast<int>(std::size(targets)))];
        const QPoint at(Pick(std::max(1, target->width())), Pick(std::max(1, target->height())));
        if (Pick(8)) {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            return;
        }
        QTest::mouseClick(target, Qt::RightButton, {}, at);
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menuAsked); // as the window system asks for it
    }

    Window& w_;
    std::mt19937 random_;
};

TEST(Form1Random, NoRefusalOpensInsideAnotherAndOneFieldAtMostIsHalfTyped)
{
    for (unsigned seed : {20261208u, 17u}) {
        Window w;
        int open = 0, nested = 0, reports = 0;
        const platform::ErrorReporter recorder = platform::SetErrorReporter([&](const QString&) {
            ++reports;
            nested += open > 0;
            ++open;
            QEventLoop box;
            QTimer::singleShot(0, &box, &QEventLoop::quit);
            box.exec();
            --open;
        });
        RandomKeysAndClicks user(w, seed);
        const QList<platform::Field*> fields = w->findChildren<platform::Field*>();
        for (int event = 0; event < 10000; ++event) {
            user.Act();
            QApplication::processEvents();
            ASSERT_EQ(nested, 0) << "seed " << seed << " event " << event;
            const auto halfTyped = std::count_if(fields.begin(), fields.end(), [](const platform::Field* f) {
                return f->HalfTyped();
            });
            ASSERT_LE(halfTyped, 1) << "seed " << seed << " event " << event;
        }
        RandomKeysAndClicks::ClosePopups();
        EXPECT_TRUE(w->isVisible()) << "seed " << seed;
        EXPECT_GT(reports, 0) << "seed " << seed;
        platform::SetErrorReporter(recorder);
    }
}

} // namespace
