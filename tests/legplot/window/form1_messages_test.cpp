// What the window says, as a user meets it in its boxes: texts shown as
// plain text whatever a file holds or is called, and questions answered
// from the keyboard.
#include "form1_test_support.h"

#include <QFile>

namespace {

using namespace testsupport;

QString Kept(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString file = dir.filePath(name);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(content);
    return file;
}

TEST(Form1Messages, ReportsAndQuestionsShowTheirTextsAsPlainText)
{
    QTemporaryDir dir;
    const QByteArray sample = FileBytes(QStringLiteral(VORLAN_SOURCE_DIR "/docs/sample.voyage"));
    const QString picture = QStringLiteral(VORLAN_SOURCE_DIR "/docs/legplot.png");
    const struct {
        const char* what;
        QString typed; // into the Open dialog; empty: the window is closed
        QString shown; // in the box, character for character
    } cases[] = {
        {"a refused file", Kept(dir, QStringLiteral("bold.voyage"), QByteArray(sample).replace("WGS 84", "<b>WGS</b> 84")),
         QStringLiteral("ellipsoid '<b>WGS</b> 84' is not known here")},
        {"a picture named in a file",
         Kept(dir, QStringLiteral("img.voyage"),
              QByteArray(sample).replace("WGS 84", "<img src=\"" + picture.toUtf8() + "\">")),
         QStringLiteral("ellipsoid '<img src=\"%1\">' is not known here").arg(picture)},
        {"Qt's own box, a file not found", dir.filePath(QStringLiteral("markup_<i>x<_i>.voyage")),
         QStringLiteral("markup_<i>x<_i>.voyage")},
        {"the question", QString(), QStringLiteral("The voyage <b>kept<_b>.voyage has changed.")},
    };
    for (const auto& c : cases) {
        Answers answers;
        answers.key = Qt::Key_Escape; // the boxes as a user sees them, closed
        Window w;
        const platform::ErrorReporter recorder = platform::SetErrorReporter({}); // the real report
        if (c.typed.isEmpty()) {
            answers.fileName = dir.filePath(QStringLiteral("<b>kept<_b>.voyage"));
            Key(Qt::Key_S, Qt::ControlModifier);
            w.TypeAndLeave(w->MaskEdit21, "090.0");
            w->close(); // changed: asked
        } else {
            answers.fileName = c.typed;
            Menu(Qt::Key_O);
        }
        platform::SetErrorReporter(recorder);
        ASSERT_FALSE(answers.boxes.empty()) << c.what;
        EXPECT_TRUE(answers.boxes.back().text.contains(c.shown)) << c.what << ": "
                                                                 << answers.boxes.back().text.toStdString();
        EXPECT_TRUE(answers.boxes.back().plain) << c.what;
    }
}

TEST(Form1Messages, SaveTheChangesIsAnsweredByItsAccessKeys)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool closes, saves;
    } cases[] = {
        {Qt::Key_S, Qt::AltModifier, true, true},
        {Qt::Key_D, Qt::AltModifier, true, false},
        {Qt::Key_C, Qt::AltModifier, false, false},
        {Qt::Key_Escape, Qt::NoModifier, false, false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        Answers answers;
        Window w;
        answers.fileName = dir.filePath(QStringLiteral("kept.voyage"));
        Key(Qt::Key_S, Qt::ControlModifier);
        w.TypeAndLeave(w->MaskEdit21, "135.0");
        answers.key = c.key;
        answers.modifiers = c.modifiers;
        w->close();
        EXPECT_EQ(answers.question, QStringLiteral("The voyage kept.voyage has changed.\nSave the changes?"));
        EXPECT_EQ(w->isVisible(), !c.closes) << c.key;
        EXPECT_EQ(FileBytes(answers.fileName).contains("leg-1-course = 135.0"), c.saves) << c.key;
        answers.key = 0;
        answers.button = QMessageBox::Discard; // the window may go
    }
}

} // namespace
