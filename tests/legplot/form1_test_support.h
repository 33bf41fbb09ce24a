// A dead-reckoning window for the tests: shown offscreen and active, with
// the error report recorded, and helpers to type into its fields.
#pragma once

#include "legplot/form1.h"
#include "platform/number_settings.h"

#include "../qt_test_support.h"
#include "../test_texts.h"

#include <QApplication>
#include <QDate>

#include <memory>
#include <string>

namespace testsupport {

// Texts of the tests write the degree sign as '*'.
using testtexts::T;

inline QString Q(const std::string& s)
{
    return QString::fromLatin1(T(s).c_str());
}

struct Window {
    ErrorRecorder errors;
    std::unique_ptr<legplot::TForm1> form = std::make_unique<legplot::TForm1>();

    Window() { ShowActive(*form); }
    ~Window()
    {
        if (form->isVisible())
            form->close();
    }

    legplot::TForm1* operator->() const { return form.get(); }
    const legplot::Leg& Leg(int k) const { return form->Plan().Legs[static_cast<std::size_t>(k - 1)]; }

    // Clears a field and types `text` into it, then leaves it with Tab.
    void TypeAndLeave(QLineEdit* field, const std::string& text)
    {
        Type(field, text);
        Tab(field);
    }

    // Clears a field and types `text` into it, without leaving it.
    void Type(QLineEdit* field, const std::string& text)
    {
        Enter(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        field->setCursorPosition(0);
        QTest::keyClicks(field, QString::fromLatin1(T(text).c_str()));
    }
};

} // namespace testsupport
