// A dead-reckoning window for the tests: shown offscreen and active, with
// the error report recorded, and helpers to type into its fields.
#pragma once

#include "legplot/window/form1.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/number_settings.h"
#include "platform/print/printing.h"

#include "qt_test_support.h"
#include "test_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// Driving the window with events, as a user does ------------------------

inline QWidget* Focus()
{
    return QApplication::focusWidget();
}

// A key at whatever has the focus now, as the keyboard sends it.
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = Focus();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

// Typed characters ('*' stands for the degree sign).
inline void Type(const std::string& text)
{
    QTest::keyClicks(Focus(), QString::fromLatin1(T(text).c_str()));
    QApplication::processEvents();
}

// A click at the left end of a field: the caret goes to its first position.
inline void ClickIntoStart(QWidget* field)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2, field->height() / 2));
    QApplication::processEvents();
}

// File > Print by its keys, with `choose` standing in for the user in the
// print dialog.
inline void PrintThroughTheMenu(const std::function<void(QPrinter&)>& choose)
{
    platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        choose(printer);
        return true;
    });
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_P);
    platform::SetPrintDialog({});
}

// File > Print by its keys, to a PDF file; the page as text.
inline QString PrintFromTheMenu()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("voyage.pdf"));
    PrintThroughTheMenu([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    });
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Stands in for the user in the dialogs: types a file name into the file
// dialog and presses Return (Escape when there is none), or answers a
// question: with `button`, or, when `key` is set, by pressing it at the box
// shown as a user sees it. Every message box it meets is noted in `boxes`,
// with whether it shows its text as plain text.
class Answers {
public:
    struct Box {
        QString text;
        bool plain = false;
    };

    Answers()
    {
        previous_ = platform::SetModalRunner([this](QDialog& dialog) {
            ++asked;
            if (auto* files = qobject_cast<QFileDialog*>(&dialog))
                return AnswerFileDialog(*files, fileName);
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            if (box)
                question = box->text();
            if (!box || key == 0)
                return static_cast<int>(button);
            answering_ = box;
            ShowActive(*box);
            Note(*box);
            QTest::keyClick(box, static_cast<Qt::Key>(key), modifiers);
            for (int waited = 0; box->isVisible() && waited < 100; ++waited) // a button clicked by its key
                QTest::qWait(10);                                           // is animated first
            box->hide();
            answering_ = nullptr;
            return box->result();
        });
        // The boxes no window shows through the modal seam, which Qt's own
        // dialogs open: "... already exists. Do you want to replace it?" is
        // answered Yes, any other closed.
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == answering_)
                return;
            Note(*box);
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->reject();
        });
        watch_.start(10);
    }
    ~Answers() { platform::SetModalRunner(previous_); }

    QString fileName;
    QMessageBox::StandardButton button = QMessageBox::Cancel;
    int key = 0; // pressed at a question, with `modifiers`, instead of answering `button`
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    int asked = 0;
    QString question;
    std::vector<Box> boxes;

private:
    void Note(const QMessageBox& box)
    {
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        boxes.push_back({box.text(), label && label->textFormat() == Qt::PlainText});
    }

    platform::ModalRunner previous_;
    QTimer watch_;
    QMessageBox* answering_ = nullptr;
};

// Every text the window shows: fields, results, choices, status, title.
inline QStringList Shown(const Window& w)
{
    QStringList texts{w->windowTitle(), w->ComboBox1->currentText(),
                      QString::number(w->RadioGroup1->ItemIndex()), w->StatusMessage()};
    for (const QLineEdit* field : w->ClientArea->findChildren<QLineEdit*>())
        texts << field->objectName() + '=' + field->text();
    for (const QLabel* label : w->ClientArea->findChildren<QLabel*>())
        texts << label->objectName() + '=' + label->text();
    return texts;
}

// A File menu item by its access key.
inline void Menu(int accessKey)
{
    Key(Qt::Key_F, Qt::AltModifier);
    Key(accessKey);
}

} // namespace testsupport
