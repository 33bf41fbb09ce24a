// Opening a voyage as a navigator does: the file named, and the voyage
// exactly as it was kept until the user changes it.
#include "form1_test_support.h"

#include <QAbstractButton>
#include <QFile>

namespace {

using namespace testsupport;

// A voyage typed in DMS.sss and kept while DM.dd is shown: its start is
// finer than the fields show it.
QString KeepAFineStart(const QTemporaryDir& dir, Answers& answers)
{
    Window w;
    QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
    w.TypeAndLeave(w->lat_edit, "50*15'15\"253");
    w.TypeAndLeave(w->lon_edit, "004*08'30\"125");
    w.TypeAndLeave(w->MaskEdit21, "225.0");
    w.TypeAndLeave(w->MaskEdit16, "07.5");
    w.TypeAndLeave(w->Maskedit11, "04:00");
    QTest::mouseClick(w->RadioGroup1->Item(0), Qt::LeftButton);
    answers.fileName = dir.filePath(QStringLiteral("fine.voyage"));
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
    return answers.fileName;
}

TEST(Form1Opening, AVoyageOpenedAndSavedAgainIsTheSameFile)
{
    QTemporaryDir dir;
    Answers answers;
    const QString file = KeepAFineStart(dir, answers);
    const QByteArray kept = FileBytes(file);
    ASSERT_TRUE(kept.contains("start-latitude = 50\xC2\xB0" "15'15\"253 N\n")) << kept.toStdString();
    // Wherever the focus was, the first click after opening changes nothing.
    for (const char* before : {"lat_edit", "lon_edit", "MaskEdit21", "DatePicker", "Maskedit12"}) {
        Window w;
        ClickIntoStart(w->findChild<QWidget*>(QString::fromLatin1(before)));
        Menu(Qt::Key_O);
        ASSERT_EQ(w->VoyageFile(), file);
        const double leg1 = w.Leg(1).EndLat;
        ClickIntoStart(w->Maskedit12);
        ClickIntoStart(w->MaskEdit23);
        EXPECT_FALSE(w->isWindowModified()) << before;
        EXPECT_EQ(w.Leg(1).EndLat, leg1) << before;
        Key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(FileBytes(file), kept) << before;
        EXPECT_TRUE(w.errors.messages.isEmpty()) << before;
    }
    // Tabbed through while the coarser format shows, the start is stored at
    // that format's precision, as a switch of the format describes.
    Window w;
    w->OpenVoyage(file);
    ClickIntoStart(w->lat_edit);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(w->isWindowModified());
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(FileBytes(file).contains("start-latitude = 50\xC2\xB0" "15'25 N\n"));
}

TEST(Form1Opening, OpenTakesTheFileTheUserNames)
{
    QTemporaryDir dir;
    const QByteArray sample = FileBytes(QStringLiteral(VORLAN_SOURCE_DIR "/docs/sample.voyage"));
    const struct {
        const char* file;  // made with the sample, or a note
        const char* typed; // into the Open dialog
        const char* opened;
        const char* refusal;
    } cases[] = {
        {"passage", "passage", "passage", ""}, // a voyage without the ending
        {"crossing.voyage", "crossing", "crossing.voyage", ""},
        {"notes", "notes", "", "it is not a voyage file"},
    };
    for (const auto& c : cases) {
        QFile out(dir.filePath(QString::fromLatin1(c.file)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(*c.refusal ? QByteArray("Buy diesel\n") : sample);
        out.close();
        Answers answers;
        answers.fileName = dir.filePath(QString::fromLatin1(c.typed));
        Window w;
        Menu(Qt::Key_O);
        EXPECT_TRUE(answers.boxes.empty()) << c.typed << ": " << answers.boxes.front().text.toStdString();
        EXPECT_EQ(w->VoyageFile(), *c.opened ? dir.filePath(QString::fromLatin1(c.opened)) : QString()) << c.typed;
        EXPECT_EQ(w.errors.messages.size(), *c.refusal ? 1 : 0) << c.typed;
        if (*c.refusal && !w.errors.messages.isEmpty()) {
            EXPECT_TRUE(w.errors.messages.first().contains(QString::fromLatin1(c.refusal)));
        }
    }
}

} // namespace
