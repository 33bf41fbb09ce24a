// A CUPS scheduler of the test's own: cupsd started in a temporary folder,
// listening on a socket there, with one PDF queue (cups-pdf). While it
// lives, the CUPS library of this process (and so Qt's printing) talks to
// it and to nothing else; the machine's own printers are not touched.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>

namespace testsupport {

class PrivateCups {
public:
    static constexpr const char* Queue = "vorlan-pdf";

    PrivateCups()
    {
        const QString root = dir_.path();
        for (const char* sub : {"etc", "spool", "tmp", "run", "cache", "log"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        socket_ = root + QStringLiteral("/cups.sock");
        Write(QStringLiteral("etc/cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                  .arg(socket_));
        Write(QStringLiteral("etc/cups-files.conf"),
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/tmp\nStateDir %1/run\n"
                             "CacheDir %1/cache\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                             "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                  .arg(root));
        scheduler_.setProcessChannelMode(QProcess::MergedChannels);
        scheduler_.start(QStringLiteral("/usr/sbin/cupsd"),
                         {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/etc/cupsd.conf"),
                          QStringLiteral("-s"), root + QStringLiteral("/etc/cups-files.conf")});
        for (int tries = 0; tries < 200 && !Running(); ++tries)
            QThread::msleep(50);
        cupsSetServer(socket_.toUtf8().constData());
        ready_ = Admin(QStringLiteral("lpadmin"),
                       {QStringLiteral("-p"), QString::fromLatin1(Queue), QStringLiteral("-E"), QStringLiteral("-v"),
                        QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                        QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd")});
    }

    ~PrivateCups()
    {
        Stop();
        cupsSetServer(nullptr);
    }

    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // The scheduler runs and has its queue.
    bool Ready() const { return ready_; }
    QString Log()
    {
        QFile log(dir_.path() + QStringLiteral("/log/error_log"));
        return (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString()) + commands_ +
               QString::fromUtf8(scheduler_.readAll());
    }

    // A CUPS command (lpadmin, cupsreject, lpstat...) against this scheduler.
    bool Admin(const QString& command, QStringList arguments)
    {
        arguments.prepend(socket_);
        arguments.prepend(QStringLiteral("-h"));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(command, arguments);
        const bool done = p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!done)
            commands_ += command + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                         QString::fromUtf8(p.readAll()) + QLatin1Char('\n');
        return done;
    }

    // The jobs the queue was given, printed or not.
    int Jobs()
    {
        QProcess p;
        p.start(QStringLiteral("lpstat"),
                {QStringLiteral("-h"), socket_, QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"),
                 QString::fromLatin1(Queue)});
        if (!p.waitForFinished(20000))
            return -1;
        return static_cast<int>(p.readAllStandardOutput().count('\n'));
    }

    // lpstat -r says whether the scheduler answers (its exit status does not).
    bool Running()
    {
        QProcess p;
        p.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket_, QStringLiteral("-r")});
        return p.waitForFinished(20000) && p.readAllStandardOutput().startsWith("scheduler is running");
    }

    void Stop()
    {
        if (scheduler_.state() != QProcess::NotRunning) {
            scheduler_.terminate();
            scheduler_.waitForFinished(10000);
        }
    }

private:
    void Write(const QString& name, const QString& text)
    {
        QFile f(dir_.path() + QLatin1Char('/') + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }

    QTemporaryDir dir_;
    QString socket_;
    QProcess scheduler_;
    QString commands_; // what failed commands said
    bool ready_ = false;
};

} // namespace testsupport
