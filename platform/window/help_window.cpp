#include "platform/window/help_window.h"

#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace platform {
namespace {

constexpr char ContentsPage[] = "index.html";
constexpr int Width = 720, Height = 640;

QString& ManualFolderSet();

class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* owner) : QDialog(owner)
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("VORLAN Manual"));
        setModal(false);
        resize(Width, Height);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("ManualText"));
        browser_->setAccessibleName(QStringLiteral("Manual"));
        browser_->setOpenExternalLinks(true);
        browser_->setSearchPaths({ManualFolder()});
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        // Back and Forward as a browser has them.
        new QShortcut(QKeySequence::Back, this, [this] { browser_->backward(); });
        new QShortcut(QKeySequence::Forward, this, [this] { browser_->forward(); });
        KeepReadableSurfaces(*this);
    }

    void Show(const QString& page)
    {
        // "page.html#heading": the heading is the address's fragment, not
        // part of the file's name.
        const qsizetype hash = page.indexOf(QLatin1Char('#'));
        QUrl url = QUrl::fromLocalFile(QDir(ManualFolder()).filePath(page.left(hash)));
        if (hash >= 0)
            url.setFragment(page.mid(hash + 1));
        browser_->setSource(url);
        show();
        raise();
        activateWindow();
    }

private:
    QTextBrowser* browser_;
};

QString& ManualFolderSet()
{
    static QString folder;
    return folder;
}

} // namespace

QString SetManualFolder(const QString& folder)
{
    return std::exchange(ManualFolderSet(), folder);
}

QString ManualFolder()
{
    if (!ManualFolderSet().isEmpty())
        return ManualFolderSet();
    return ManualFolderBeside(QCoreApplication::applicationDirPath());
}

QString ManualFolderBeside(const QString& programFolder)
{
    const QDir programs(programFolder);
    for (const QString& candidate : {programs.filePath(QStringLiteral("manual")),
                                     programs.filePath(QStringLiteral("../../share/doc/vorlan/manual"))}) {
        if (QFileInfo(QDir(candidate).filePath(QString::fromLatin1(ContentsPage))).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

bool ShowManualPage(QWidget* owner, const QString& page)
{
    const QString folder = ManualFolder();
    if (folder.isEmpty() || !QFileInfo(QDir(folder).filePath(QString::fromLatin1(ContentsPage))).isFile())
        return false;
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner);
    window->Show(page);
    return true;
}

} // namespace platform
