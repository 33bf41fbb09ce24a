// The manual's worked example is what the window shows: the sample voyage
// opened, each leg's results read as a screen reader hears them, held
// against the table of the dead-reckoning chapter.
#include "form1_test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "platform/window/help_window.h"

namespace {

using namespace testsupport;

TEST(Form1Manual, TheWorkedExampleIsWhatTheWindowShows)
{
    QFile chapter(QStringLiteral(VORLAN_SOURCE_DIR "/manual/src/legplot.md"));
    ASSERT_TRUE(chapter.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(chapter.readAll());
    // "| 1 | 50°11'22"912 N | ... |": the leg, its end and its arrival.
    const QRegularExpression row(QStringLiteral(R"(^\| (\d) \| ([^|]+) \| ([^|]+) \| ([^|]+) \| ([^|]+) \|$)"),
                                 QRegularExpression::MultilineOption);
    Window w;
    w->OpenVoyage(QStringLiteral(VORLAN_SOURCE_DIR "/docs/sample.voyage"));
    int rows = 0;
    for (auto match = row.globalMatch(text); match.hasNext(); ++rows) {
        const auto m = match.next();
        const QString leg = QStringLiteral("Leg ") + m.captured(1) + QLatin1Char(' ');
        const QStringList names = {QStringLiteral("end latitude"), QStringLiteral("end longitude"),
                                   QStringLiteral("date of arrival"), QStringLiteral("time of arrival")};
        for (int i = 0; i < names.size(); ++i) {
            QLabel* label = nullptr;
            for (QLabel* l : w->findChildren<QLabel*>())
                if (l->accessibleName() == leg + names[i])
                    label = l;
            ASSERT_NE(label, nullptr) << (leg + names[i]).toStdString();
            EXPECT_EQ(label->accessibleDescription(), m.captured(i + 2).trimmed()) << (leg + names[i]).toStdString();
        }
    }
    EXPECT_EQ(rows, 5) << "the chapter's table of the sample voyage";
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

// F1 opens the chapter in the program's own help window.
TEST(Form1Manual, F1OpensTheDeadReckoningChapter)
{
    const QString before = platform::SetManualFolder(QStringLiteral(VORLAN_PROGRAM_DIR "/manual"));
    Window w;
    Key(Qt::Key_F1);
    auto* browser = w->findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->source().path().endsWith(QStringLiteral("/legplot.html")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Dead reckoning")));
    platform::SetManualFolder(before);
}

} // namespace
