#include "platform/window/help_window.h"

#include "qt_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

void WritePage(const QString& file, const QByteArray& html)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(html);
}

// The manual is found beside the program in the build tree, and from the
// package's program folder in its documentation folder; a folder without
// the contents page is no manual.
TEST(HelpWindow, FindsTheManualWhereTheBuildOrThePackagePutsIt)
{
    const struct {
        const char* program;          // the program's folder
        std::vector<const char*> pages; // contents pages lying about
        const char* found;            // the manual folder, or empty
    } cases[] = {
        {"bin", {"bin/manual/index.html"}, "bin/manual"},
        {"usr/lib/vorlan", {"usr/share/doc/vorlan/manual/index.html"}, "usr/share/doc/vorlan/manual"},
        {"usr/lib/vorlan", {"usr/lib/vorlan/manual/index.html", "usr/share/doc/vorlan/manual/index.html"},
         "usr/lib/vorlan/manual"},
        {"bin", {"bin/manual/solara.html"}, ""},
        {"bin", {}, ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        QDir().mkpath(root.filePath(QString::fromLatin1(c.program)));
        for (const char* page : c.pages)
            WritePage(root.filePath(QString::fromLatin1(page)), "<p>Contents</p>");
        const QString expected = *c.found ? root.filePath(QString::fromLatin1(c.found)) : QString();
        EXPECT_EQ(platform::ManualFolderBeside(root.filePath(QString::fromLatin1(c.program))), expected) << c.program;
    }
}

// A link followed by Tab and Return, and back again by the browser's key.
TEST(HelpWindow, FollowsALinkAndGoesBack)
{
    QTemporaryDir manual;
    WritePage(manual.filePath(QStringLiteral("index.html")), "<p><a href=\"tides.html\">Tides</a></p>");
    WritePage(manual.filePath(QStringLiteral("tides.html")), "<h1>Tides and tidal streams</h1>");
    const QString before = platform::SetManualFolder(manual.path());
    QWidget owner;
    ASSERT_TRUE(platform::ShowManualPage(&owner, QStringLiteral("index.html")));
    auto* browser = owner.findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(browser, nullptr);
    testsupport::ShowActive(*browser->window());
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Tides and tidal streams")));
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("Tides"));
    platform::SetManualFolder(before);
}

} // namespace
