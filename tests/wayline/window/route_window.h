// The route window for the tests: shown offscreen and active, its error
// reports recorded, typed into with keys at whatever has the focus, its
// dialogs answered as a user answers them.
#pragma once

#include "platform/desktop/modal.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "wayline/window/route_form.h"

#include "qt_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>

#include <memory>

namespace routetest {

// Texts of the tests write the degree sign as '*'.
inline QString Q(std::string s)
{
    for (char& c : s)
        if (c == '*')
            c = '\xB0';
    return QString::fromLatin1(s.c_str());
}

// A key at whatever has the focus (or the popup that is open).
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

// An access key; a button pressed by its key is animated for a moment
// before it is clicked.
inline void Alt(int key)
{
    Key(key, Qt::AltModifier);
    QTest::qWait(150);
}

// Characters typed at the focus ('*' for the degree sign).
inline void Type(const std::string& text)
{
    QTest::keyClicks(QApplication::focusWidget(), Q(text));
    QApplication::processEvents();
}

// Stands in for the user in the window's dialogs: a file dialog gets
// `fileName` typed and Return (Escape when it is empty), a question the
// key `answer` (Alt+S, Alt+D, Alt+C), a choice of routes Down `down` times
// and Return. What each asked is noted.
class Answers {
public:
    Answers()
    {
        previous_ = platform::SetModalRunner([this](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                asked << files->windowTitle();
                return testsupport::AnswerFileDialog(*files, fileName);
            }
            QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
            testsupport::ShowActive(dialog);
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                asked << box->text();
                QTest::keyClick(box, static_cast<Qt::Key>(answer), Qt::AltModifier);
                for (int waited = 0; box->isVisible() && waited < 100; ++waited) // a button pressed by its key
                    QTest::qWait(10);                                           // is animated first
            } else if (auto* choice = qobject_cast<QInputDialog*>(&dialog)) {
                asked << choice->labelText();
                QWidget* list = choice->findChild<QAbstractItemView*>();
                list->setFocus();
                for (int i = 0; i < down; ++i)
                    QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Return);
            }
            QApplication::processEvents();
            dialog.hide();
            if (owner)
                testsupport::ShowActive(*owner); // the window the dialog was over, active again
            return dialog.result();
        });
    }
    ~Answers() { platform::SetModalRunner(previous_); }
    Answers(const Answers&) = delete;
    Answers& operator=(const Answers&) = delete;

    QString fileName;
    int answer = Qt::Key_C;
    int down = 0;
    QStringList asked;

private:
    platform::ModalRunner previous_;
};

struct Window {
    testsupport::ErrorRecorder errors;
    std::unique_ptr<wayline::TRouteForm> form = std::make_unique<wayline::TRouteForm>();

    Window() { testsupport::ShowActive(*form); }
    ~Window()
    {
        Answers discard; // whatever it holds, the test is over
        discard.answer = Qt::Key_D;
        form->close();
    }
    wayline::TRouteForm* operator->() const { return form.get(); }

    // A waypoint added with Alt+A, its name and position typed in the
    // fields beside the table: "502155" N "0040856" W.
    void Add(const std::string& name, const std::string& lat, const char* ns, const std::string& lon, const char* ew)
    {
        Alt(Qt::Key_A);
        Type(lat);
        Key(Qt::Key_Tab);
        Type(ns);
        Key(Qt::Key_Tab);
        Type(lon);
        Key(Qt::Key_Tab);
        Type(ew);
        Key(Qt::Key_Tab);
        Alt(Qt::Key_M);
        Type(name);
        Key(Qt::Key_Tab);
    }

    // The text of the leg table's cell, and what a screen reader hears.
    QString Cell(int leg, int column) const
    {
        const QTableWidgetItem* item = form->Legs->item(leg - 1, column);
        return item ? item->text() : QStringLiteral("(none)");
    }

    QStringList Names() const
    {
        QStringList names;
        for (int row = 0; row < form->Waypoints->rowCount(); ++row)
            names << form->Waypoints->item(row, 0)->text();
        return names;
    }
};

} // namespace routetest
