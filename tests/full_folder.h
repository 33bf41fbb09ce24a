// A folder where writing a file fails for want of space, for the tests
// that print to a full disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>

namespace testsupport {

// A folder on a small file system of its own (tmpfs), filled up, so that
// writing there fails with the system's own "No space left on device".
// Where the machine does not let a test mount one, the size of the files
// this process may write is limited instead, which fails with the
// system's "File too large".
class FullFolder {
public:
    FullFolder()
    {
        mounted_ = ::mount("tmpfs", Path(), "tmpfs", 0, "size=64k") == 0;
        QFile old(File());
        if (old.open(QIODevice::WriteOnly))
            old.write("an earlier voyage");
        old.close();
        if (mounted_) {
            QFile filler(dir_.filePath(QStringLiteral("filler")));
            if (filler.open(QIODevice::WriteOnly))
                while (filler.write(QByteArray(1024, 'x')) > 0 && filler.flush()) {
                }
        }
    }
    ~FullFolder()
    {
        if (mounted_)
            ::umount2(Path(), MNT_DETACH);
    }

    QString File() const { return dir_.filePath(QStringLiteral("voyage.pdf")); }
    QString Reason() const
    {
        return mounted_ ? QStringLiteral("No space left on device") : QStringLiteral("File too large");
    }

    // Runs `print` with the folder full.
    template <class Print>
    void WhileFull(Print print)
    {
        rlimit previous{};
        if (!mounted_) {
            ::getrlimit(RLIMIT_FSIZE, &previous);
            rlimit small = previous;
            small.rlim_cur = 1024;
            ::setrlimit(RLIMIT_FSIZE, &small);
            std::signal(SIGXFSZ, SIG_IGN);
        }
        print();
        if (!mounted_)
            ::setrlimit(RLIMIT_FSIZE, &previous);
    }

private:
    const char* Path()
    {
        path_ = dir_.path().toLocal8Bit();
        return path_.constData();
    }

    QTemporaryDir dir_;
    QByteArray path_;
    bool mounted_ = false;
};

} // namespace testsupport
