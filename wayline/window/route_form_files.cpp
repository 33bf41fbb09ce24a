// Route files: File > Open, Save and Save As, the window's title and its
// modified mark, the choice among a file's routes, the question before a
// changed route is left.
#include "wayline/window/route_form.h"

#include "platform/desktop/error_report.h"
#include "platform/desktop/file_questions.h"
#include "platform/desktop/latin1.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/user_file.h"
#include "wayline/files/gpx_read.h"
#include "wayline/files/gpx_write.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QTableWidget>

namespace wayline {
namespace {

const QString Title = QStringLiteral("Route Calculations");

std::string Count(std::size_t n, const char* one)
{
    return std::to_string(n) + " " + one + (n == 1 ? "" : "s");
}

// Which of the file's routes to open; none when the user cancels.
std::optional<std::size_t> ChosenRoute(QWidget* parent, const GpxDocument& document, const QString& file)
{
    if (document.Routes.size() == 1)
        return 0;
    QStringList items;
    for (std::size_t i = 0; i < document.Routes.size(); ++i) {
        const GpxRoute& r = document.Routes[i];
        items << QStringLiteral("%1. %2 (%3)")
                     .arg(i + 1)
                     .arg(r.Plan.Name.empty() ? QStringLiteral("Route %1").arg(i + 1) : QString::fromStdString(r.Plan.Name))
                     .arg(QString::fromStdString(Count(r.Plan.Points.size(), "point")));
    }
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Open a route"));
    dialog.setLabelText(QStringLiteral("%1 holds %2 routes. &Route:").arg(QFileInfo(file).fileName()).arg(items.size()));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    if (platform::ShowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const qsizetype chosen = items.indexOf(dialog.textValue());
    return chosen < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(chosen));
}

} // namespace

void TRouteForm::OpenRoute(const QString& file)
{
    Guarded([this, &file] { ReadRouteFrom(file); });
}

void TRouteForm::FileOpen()
{
    if (!MayLeaveRoute())
        return;
    const QString file = AskFileName(false);
    if (!file.isEmpty())
        ReadRouteFrom(file);
}

void TRouteForm::FileSave()
{
    // A file that held tracks or waypoints would lose them: it is saved
    // under a name the user gives.
    if (!file_.isEmpty() && document_.Tracks + document_.Waypoints == 0) {
        SaveTo(file_);
        return;
    }
    if (!file_.isEmpty())
        SetStatus(platform::FromQt(QStringLiteral("%1 holds %2 and %3, which are not kept: save the route in a file of its own")
                                       .arg(QFileInfo(file_).fileName(),
                                            QString::fromStdString(Count(document_.Tracks, "track")),
                                            QString::fromStdString(Count(document_.Waypoints, "waypoint")))));
    FileSaveAs();
}

void TRouteForm::FileSaveAs()
{
    const QString file = AskFileName(true);
    if (!file.isEmpty())
        SaveTo(file);
}

QString TRouteForm::AskFileName(bool save)
{
    return platform::AskFileName(
        this, {.Save = save,
               .Title = save ? QStringLiteral("Save the route") : QStringLiteral("Open a route"),
               .Filter = save ? QStringLiteral("GPX routes (*.gpx)") : QStringLiteral("GPX routes (*.gpx);;All files (*)"),
               .Ending = QStringLiteral("gpx"),
               .Beside = file_,
               .OffersBesideName = true});
}

void TRouteForm::ReadRouteFrom(const QString& file)
{
    const QByteArray bytes =
        platform::ReadSmallFile(file, static_cast<qint64>(LargestGpxFile), QStringLiteral("The route could not be opened from %1: %2"));
    GpxDocument document;
    try {
        document = ReadGpx(bytes, file);
    } catch (const GpxError& e) {
        throw platform::TextError(QString::fromUtf8(e.what()));
    }
    const std::optional<std::size_t> chosen = ChosenRoute(this, document, file);
    if (!chosen)
        return;
    document_ = std::move(document);
    current_ = *chosen;
    route_ = saved_ = document_.Routes[current_];
    file_ = file;
    SetStatus("");
    ShowPassage();
    ShowTitle();
    Recompute();
    SelectWaypoint(0);
    if (Legs->rowCount() > 0) {
        Legs->selectRow(0);
        ShowSelectedLeg();
    }
    Waypoints->setFocus(Qt::OtherFocusReason);
}

bool TRouteForm::SaveTo(const QString& file)
{
    // The file's other routes go with it, as they were.
    std::vector<GpxRoute> routes = file_.isEmpty() ? std::vector<GpxRoute>{} : document_.Routes;
    if (routes.empty())
        routes.push_back(route_);
    else
        routes.at(current_) = route_;
    QByteArray bytes;
    try {
        bytes = WriteGpx(routes);
    } catch (const RouteError& e) {
        throw platform::TextError(QStringLiteral("The route could not be saved to %1: %2").arg(file, QString::fromUtf8(e.what())));
    }
    platform::WriteWholeFile(file, bytes, QStringLiteral("The route could not be saved to %1: %2"));
    document_.Routes = std::move(routes);
    document_.Tracks = document_.Waypoints = 0;
    saved_ = route_;
    file_ = file;
    ShowTitle();
    setWindowModified(false);
    return true;
}

bool TRouteForm::MayLeaveRoute()
{
    if (route_ == saved_)
        return true;
    const QString what = file_.isEmpty() ? QStringLiteral("The route has not been saved.")
                                         : QStringLiteral("The route %1 has changed.").arg(QFileInfo(file_).fileName());
    switch (platform::AskToSaveChanges(this, what)) {
    case platform::SaveAnswer::Save:
        try {
            FileSave();
        } catch (const std::exception& e) {
            platform::ReportError(QString::fromUtf8(e.what())); // the route stays, and so does the window
            return false;
        }
        return route_ == saved_; // a Save As cancelled leaves it unsaved
    case platform::SaveAnswer::Discard:
        return true;
    case platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TRouteForm::ShowTitle()
{
    setWindowTitle(file_.isEmpty() ? Title + QStringLiteral("[*]")
                                   : QFileInfo(file_).fileName() + QStringLiteral("[*] \u2014 ") + Title);
}

} // namespace wayline
