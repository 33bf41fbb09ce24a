// File > Print to a PDF file: the type on the page, and files that are not
// regular files (a device, a pipe, a socket), which are never replaced.
#include "form1_test_support.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using testsupport::PrintThroughTheMenu;
using testsupport::Window;

void PrintToFile(const QString& file)
{
    PrintThroughTheMenu([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    });
}

TEST(PrintFiles, TypeIsTenAndEightPointsAtThePrintersResolution)
{
    Window w;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("voyage.pdf"));
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    PrintToFile(pdf);
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), pdf, plain});
    ASSERT_TRUE(qpdf.waitForFinished(20000) && qpdf.exitCode() == 0) << "qpdf is needed";
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());

    // The page's scale from printer pixels to points, then each font's size.
    const QRegularExpressionMatch scale =
        QRegularExpression(QStringLiteral("\\n([0-9.]+) 0 0 -[0-9.]+ [-0-9.]+ [-0-9.]+ cm\\n")).match(content);
    ASSERT_TRUE(scale.hasMatch()) << content.left(2000).toStdString();
    const double pointsPerPixel = scale.captured(1).toDouble();
    std::set<double> sizes;
    auto fonts = QRegularExpression(QStringLiteral("/F\\d+ ([0-9.]+) Tf")).globalMatch(content);
    while (fonts.hasNext())
        sizes.insert(fonts.next().captured(1).toDouble() * pointsPerPixel);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(*sizes.begin(), 8.0, pointsPerPixel / 2 + 1e-9);
    EXPECT_NEAR(*sizes.rbegin(), 10.0, pointsPerPixel / 2 + 1e-9);
    EXPECT_NEAR(pointsPerPixel, 72.0 / 1200, 1e-9); // the print engine's own resolution, not the screen's
}

// The kind of a file system node, links not followed.
mode_t KindOf(const QString& path)
{
    struct stat s {};
    return lstat(QFile::encodeName(path).constData(), &s) == 0 ? (s.st_mode & S_IFMT) : 0;
}

TEST(PrintFiles, FilesThatAreNotRegularAreRefusedAndKept)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
    } cases[] = {
        {"pipe.pdf", [](const QString& p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {"device.pdf", // a private node of the null device, never one in /dev
         [](const QString& p) {
             return mknod(QFile::encodeName(p).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
         }},
        {"socket.pdf",
         [](const QString& p) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const QByteArray path = QFile::encodeName(p);
             if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
                 return false;
             std::copy(path.begin(), path.end(), address.sun_path);
             const int s = socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound = s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             if (s >= 0)
                 close(s);
             return bound;
         }},
        {"link-to-pipe.pdf",
         [&](const QString& p) { return QFile::link(at("pipe.pdf"), p); }},
    };
    for (const auto& c : cases) {
        const QString path = at(c.name);
        if (!c.make(path)) {
            std::printf("skipped %s: %s\n", c.name, std::strerror(errno)); // mknod needs root
            continue;
        }
        const mode_t kind = KindOf(path);
        Window w;
        PrintToFile(path);
        EXPECT_EQ(w.errors.messages,
                  QStringList{QStringLiteral("The voyage could not be printed to %1: it is not a regular file").arg(path)})
            << c.name;
        EXPECT_EQ(KindOf(path), kind) << c.name;
        EXPECT_TRUE(w->isVisible());
    }
}

} // namespace
