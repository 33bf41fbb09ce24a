// The File menu's files: tide data of the user's own, the events as CSV and
// the month as a printed tide table.
#include "ebbflow/window/tide_form.h"

#include "ebbflow/core/tide_errors.h"
#include "ebbflow/tables/tide_table.h"
#include "ebbflow/window/utf8_texts.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/file_questions.h"
#include "platform/desktop/latin1.h"
#include "platform/desktop/user_file.h"
#include "platform/widgets/date_picker.h"

#include <QLabel>
#include <QMenu>

namespace ebbflow {

void TTideForm::BuildMenu()
{
    auto* open = new QAction(QStringLiteral("&Open Tide Data..."), this);
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] { Guarded([this] { OpenTideData(); }); });
    auto* exportEvents = new QAction(QStringLiteral("&Export Events..."), this);
    connect(exportEvents, &QAction::triggered, this, [this] { Guarded([this] { ExportEvents(); }); });
    FileMenu()->insertAction(PrintAction(), open);
    FileMenu()->insertAction(PrintAction(), exportEvents);
    FileMenu()->insertSeparator(PrintAction());
    SetPage(mode_ == Mode::Streams ? QStringLiteral("The tidal stream table") : QStringLiteral("The tide table"),
            [this] { return Page(); });
}

void TTideForm::OpenTideData()
{
    const QString file = platform::AskFileName(this, {.Title = QStringLiteral("Open tide data"),
                                                      .Filter = QStringLiteral("Tide data (*.tcd);;All files (*)"),
                                                      .Ending = QStringLiteral("tcd")});
    if (file.isEmpty())
        return;
    const QString failure = QStringLiteral("The tide data could not be read from %1: %2");
    const QByteArray bytes = platform::ReadSmallFile(file, static_cast<qint64>(LargestTideFile), failure);
    const std::string name = file.toStdString();
    try {
        UseData(TideDatabase::FromBytes(name, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
                choice_.Chosen ? choice_.Chosen->Name : std::string());
    } catch (const TideDataError& e) {
        throw platform::TextError(QString::fromUtf8(e.what()));
    }
}

void TTideForm::ExportEvents()
{
    if (!data_ || !choice_.Chosen)
        return;
    // What the table shows, as it was computed.
    const std::string csv = EventsCsv(events_, ShownZone(), ValueUnits(*choice_.Chosen, ShownUnits()));
    const QString file = platform::AskFileName(this, {.Save = true,
                                                      .Title = QStringLiteral("Export the events"),
                                                      .Filter = QStringLiteral("CSV files (*.csv)"),
                                                      .Ending = QStringLiteral("csv")});
    if (file.isEmpty())
        return;
    platform::WriteWholeFile(file, QByteArray::fromStdString(csv),
                             QStringLiteral("The events could not be exported to %1: %2"));
}

platform::ResultsPage TTideForm::Page() const
{
    platform::ResultsPage page;
    if (!data_ || !choice_.Chosen) {
        page.Title = mode_ == Mode::Streams ? "Tidal Streams" : "Tides";
        page.Notes.push_back(StatusMessage->text().toLatin1().toStdString());
        return page;
    }
    const QDate day = Day->date();
    const TideTable table = MonthTable(*data_, *choice_.Chosen, ShownZone(), day.year(), day.month(), ShownUnits());
    page.Title = Latin1Of(table.Title);
    for (const auto& [name, value] : table.Inputs)
        page.Inputs.emplace_back(Latin1Of(name), Latin1Of(value));
    for (const std::string& heading : table.Headings)
        page.Headings.push_back(Latin1Of(heading));
    for (const auto& row : table.Rows) {
        std::vector<std::string> cells;
        for (const std::string& cell : row)
            cells.push_back(Latin1Of(cell));
        page.Rows.push_back(std::move(cells));
    }
    for (const std::string& note : table.Notes)
        page.Notes.push_back(Latin1Of(note));
    return page;
}

} // namespace ebbflow
