#include "platform/module/module_window.h"

#include "geo/ellipsoid_definitions.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/window/help_window.h"
#include "platform/print/print_service.h"
#include "platform/widgets/accessible_lists.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/radio_group.h"
#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace platform {

ModuleWindow::ModuleWindow(const QString& objectName, const QString& title, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    ReadPullDownListsByName();
    auto* client = new QWidget(this);
    body_ = new QVBoxLayout(client);
    setCentralWidget(client);

    StatusMessage = new QLabel(this);
    StatusMessage->setObjectName(QStringLiteral("StatusMessage"));
    StatusMessage->setWordWrap(true);
    StatusMessage->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(StatusMessage, 1);

    file_ = menuBar()->addMenu(QStringLiteral("&File"));
    print_ = file_->addAction(QStringLiteral("&Print"), this, [this] {
        Guarded([this] {
            if (page_)
                Printing().Print(this, job_, [this](PrintCanvas& canvas) { DrawResultsPage(canvas, page_()); });
        });
    });
    file_->addSeparator();
    file_->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    // Help: the module's chapter of the manual (named after the program)
    // and its keyboard, in a help window of its own.
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    const auto chapter = [this](const QString& anchor) {
        const QString page = QCoreApplication::applicationName() + QStringLiteral(".html") + anchor;
        if (!ShowManualPage(this, page))
            SetStatus("The manual is not installed beside this program.");
    };
    QAction* contents = help->addAction(QStringLiteral("&Manual"), this, [chapter] { chapter({}); });
    contents->setShortcut(QKeySequence::HelpContents);
    help->addAction(QStringLiteral("&Keyboard"), this, [chapter] { chapter(QStringLiteral("#keyboard")); });
}

geo::AngleFormat ModuleWindow::Format() const
{
    const int index = DisplayGroup ? DisplayGroup->ItemIndex() : 0;
    return static_cast<geo::AngleFormat>(index >= 0 && index <= 2 ? index : 0);
}

int ModuleWindow::Ellipsoid() const
{
    return EllipsoidBox && EllipsoidBox->currentIndex() >= 0 ? EllipsoidBox->currentIndex() : geo::Wgs84Index;
}

void ModuleWindow::SetStatus(const std::string& message)
{
    StatusMessage->setText(ToQt(message));
}

RadioGroup* ModuleWindow::AddDisplayGroup(QBoxLayout* where, std::function<void()> changed)
{
    DisplayGroup = new RadioGroup(centralWidget());
    DisplayGroup->setObjectName(QStringLiteral("DisplayGroup"));
    DisplayGroup->setTitle(QStringLiteral("Display"));
    DisplayGroup->setAccessibleName(QStringLiteral("Display"));
    QStringList names;
    for (const std::string_view name : geo::AngleFormatNames)
        names << QString::fromLatin1(name.data(), static_cast<int>(name.size()));
    DisplayGroup->SetItems(names);
    DisplayGroup->SetItemIndex(0);
    where->addWidget(DisplayGroup, 0, Qt::AlignLeft);
    connect(DisplayGroup, &RadioGroup::clicked, this, [changed] { Guarded(changed); });
    return DisplayGroup;
}

QComboBox* ModuleWindow::AddEllipsoidList(QFormLayout* where, std::function<void()> changed)
{
    EllipsoidBox = new QComboBox(centralWidget());
    EllipsoidBox->setObjectName(QStringLiteral("EllipsoidBox"));
    EllipsoidBox->setAccessibleName(QStringLiteral("Ellipsoid"));
    for (const std::string_view name : geo::EllipsoidNames)
        EllipsoidBox->addItem(ToQt(std::string(name)));
    EllipsoidBox->setCurrentIndex(geo::Wgs84Index);
    where->addRow(QStringLiteral("&Ellipsoid:"), EllipsoidBox);
    connect(EllipsoidBox, &QComboBox::activated, this, [changed] { Guarded(changed); });
    return EllipsoidBox;
}

DatePicker* ModuleWindow::AddDateField(QFormLayout* where, const QString& objectName, const QString& name,
                                       const QString& caption, std::function<void()> changed)
{
    auto* field = new DatePicker(centralWidget());
    field->setObjectName(objectName);
    field->setAccessibleName(name);
    field->setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
    field->setDateRange(QDate(1600, 1, 1), QDate(3999, 12, 31));
    field->setDate(QDate::currentDate());
    where->addRow(caption + ':', field);
    connect(field, &DatePicker::dateChanged, this, [changed] { Guarded(changed); });
    return field;
}

QLabel* ModuleWindow::AddResult(QFormLayout* where, const QString& objectName, const QString& name)
{
    auto* label = new QLabel(centralWidget());
    label->setObjectName(objectName);
    label->setAccessibleName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    where->addRow(name + ':', label);
    results_.push_back(label);
    return label;
}

void ModuleWindow::SetResult(QLabel* result, const std::string& text)
{
    // A screen reader reads a label's name, then its description: the
    // figure itself ("258°50'11" is heard, not just "Initial course").
    result->setText(ToQt(text));
    result->setAccessibleDescription(result->text());
}

void ModuleWindow::SetPage(const QString& document, std::function<ResultsPage()> page)
{
    SetPage(PrintJob::Named(document), std::move(page));
}

void ModuleWindow::SetPage(const PrintJob& job, std::function<ResultsPage()> page)
{
    job_ = job;
    page_ = std::move(page);
}

void ModuleWindow::Guarded(const std::function<void()>& handler)
{
    if (handler)
        Guard(handler);
}

void ModuleWindow::Finish()
{
    KeepReadableSurfaces(*this, [this] {
        SetTextColour(*this, Navy);
        for (QLabel* result : results_)
            SetTextColour(*result, Qt::black);
    });
    CentreOnFirstShow(*this);
}

} // namespace platform
