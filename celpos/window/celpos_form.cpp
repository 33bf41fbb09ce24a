// The position-fix window's fields, results and menus.
#include "celpos/window/celpos_form.h"

#include "astro/almanac.h"
#include "celpos/core/angle_texts.h"
#include "celpos/core/worksheet.h"
#include "geo/position_text.h"
#include "celpos/window/plotting_sheet_form.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

namespace celpos {
namespace {

// The worksheet's lines in the order WorksheetLines gives them; "Hc" also
// holds a noon sight's meridian altitude, "Latitude" a noon sight's or
// Polaris's latitude.
const char* const WorksheetNames[] = {"Body", "UT", "GHA", "Declination", "Semi-diameter", "Horizontal parallax",
                                      "Hs", "Index correction", "Dip", "Apparent altitude", "Refraction", "Parallax",
                                      "Semi-diameter correction", "Ho", "Reduced from", "LHA", "Hc", "Zn",
                                      "Intercept", "Latitude"};
const char* const FixNames[] = {"Fix", "Time", "DR at that time", "Residuals", "Warnings"};

// A field whose text is stored when it is left and refused when the
// stored value would not take it: the reason in the status bar, the focus
// kept, Escape bringing back what is stored.
class StoredField : public QObject {
public:
    StoredField(platform::Edit* field, std::function<std::string()> stored,
                std::function<void(const std::string&)> store, std::function<void(const std::string&)> status)
        : QObject(field), field_(field), stored_(std::move(stored)), store_(std::move(store)), status_(std::move(status))
    {
        field->installEventFilter(this);
        connect(field, &platform::Edit::exited, this, [this] { platform::Guard([this] { Exit(); }); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            field_->Text() != stored_()) {
            field_->SetText(stored_());
            field_->selectAll();
            status_({});
            return true;
        }
        return false;
    }

private:
    void Exit()
    {
        const std::string text = platform::FromQt(field_->text().trimmed());
        if (text == stored_())
            return;
        try {
            store_(text);
            status_({});
        } catch (const SightError& e) {
            status_(platform::FromQt(QString::fromUtf8(e.what())));
            platform::TakeFocusBack(*field_);
        }
    }

    platform::Edit* field_;
    std::function<std::string()> stored_;
    std::function<void(const std::string&)> store_;
    std::function<void(const std::string&)> status_;
};

} // namespace

TCelPosForm::TCelPosForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TCelPosForm"), QStringLiteral("Calculation or Replay of astronomical Position Fix"),
                   parent),
      Dr(this, QStringLiteral("Dr"), QStringLiteral("DR"), [this] { return Format(); },
         [this](const std::string& m) { SetStatus(m); }),
      SightTime(this, QStringLiteral("SightTime"), QStringLiteral("Sight time UT"), [this](const std::string& m) { SetStatus(m); })
{
    MakeVoyageFields();
    MakeSightFields();
    MakeResults();
    MakeMenus();
    SetPage(QStringLiteral("Position fix"), [this] { return FixPage(); });
    Finish();
    ShowEntries();
    Dr.Lat->setFocus(Qt::OtherFocusReason); // where a round begins
}

TCelPosForm::~TCelPosForm() = default;

platform::Edit* TCelPosForm::NumberField(const char* objectName, const QString& name)
{
    auto* field = new platform::Edit(centralWidget());
    field->setObjectName(QString::fromLatin1(objectName));
    field->setAccessibleName(name);
    field->setMaximumWidth(90);
    return field;
}

platform::Edit* TCelPosForm::AddNumberField(QFormLayout* form, const char* objectName, const QString& caption,
                                            std::string SightsEntries::*member, const std::function<void(const std::string&)>& check)
{
    platform::Edit* field = NumberField(objectName, QString(caption).remove('&'));
    form->addRow(caption + ':', field); // its access key takes the focus to the field
    new StoredField(
        field, [this, member] { return entries_.*member; },
        [this, member, check](const std::string& text) {
            check(text);
            entries_.*member = text;
            Recompute();
        },
        [this](const std::string& m) { SetStatus(m); });
    return field;
}

void TCelPosForm::MakeVoyageFields()
{
    auto* top = new QHBoxLayout;
    auto* voyage = new QGroupBox(QStringLiteral("Dead reckoning at the first sight"), centralWidget());
    auto* voyageForm = new QFormLayout(voyage);
    Dr.AddRows(voyageForm);
    connect(&Dr, &platform::PositionEntry::changed, this, [this] {
        entries_.DrLatDeg = Dr.Latitude();
        entries_.DrLonDeg = Dr.Longitude();
        Recompute();
    });
    const auto number = [](const char* key) {
        return [key](const std::string& text) { ReadSightsNumber(key, text); };
    };
    CourseEdit = AddNumberField(voyageForm, "CourseEdit", QStringLiteral("&Course"), &SightsEntries::Course, number("course"));
    SpeedEdit = AddNumberField(voyageForm, "SpeedEdit", QStringLiteral("&Speed"), &SightsEntries::Speed, number("speed"));
    top->addWidget(voyage);

    auto* conditions = new QGroupBox(QStringLiteral("Conditions"), centralWidget());
    auto* form = new QFormLayout(conditions);
    HeightEdit = AddNumberField(form, "HeightEdit", QStringLiteral("Height of &eye"), &SightsEntries::HeightOfEye, number("height-of-eye"));
    TemperatureEdit = AddNumberField(form, "TemperatureEdit", QStringLiteral("&Temperature"), &SightsEntries::Temperature, number("temperature"));
    PressureEdit = AddNumberField(form, "PressureEdit", QStringLiteral("&Pressure"), &SightsEntries::Pressure, number("pressure"));
    IndexErrorEdit = AddNumberField(form, "IndexErrorEdit", QStringLiteral("&Index error"), &SightsEntries::IndexError, number("index-error"));
    WatchErrorEdit = AddNumberField(form, "WatchErrorEdit", QStringLiteral("&Watch error"), &SightsEntries::WatchError, number("watch-error"));
    Dut1Edit = AddNumberField(form, "Dut1Edit", QStringLiteral("DUT&1"), &SightsEntries::Dut1, number("dut1"));
    top->addWidget(conditions);
    Body()->addLayout(top);
    AddDisplayGroup(Body(), [this] { Dr.FormatChanged(); });
}

void TCelPosForm::MakeSightFields()
{
    auto* sights = new QGroupBox(QStringLiteral("Sights"), centralWidget());
    auto* layout = new QHBoxLayout(sights);
    auto* left = new QVBoxLayout;
    SightTable = new QTableWidget(0, 9, sights);
    SightTable->setObjectName(QStringLiteral("SightTable"));
    SightTable->setAccessibleName(QStringLiteral("Sights"));
    SightTable->setHorizontalHeaderLabels({QStringLiteral("Body"), QStringLiteral("Limb"), QStringLiteral("UT"),
                                           QStringLiteral("Hs"), QStringLiteral("Ho"), QStringLiteral("Hc"),
                                           QStringLiteral("Zn"), QStringLiteral("Intercept"), QStringLiteral("Residual")});
    SightTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SightTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    SightTable->setSelectionMode(QAbstractItemView::SingleSelection);
    SightTable->setTabKeyNavigation(false);
    SightTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SightTable->setMinimumHeight(130);
    SightTable->setMinimumWidth(780);
    SightTable->installEventFilter(this);
    connect(SightTable, &QTableWidget::currentCellChanged, this,
            [this](int row) { Guarded([this, row] { SelectSight(row); }); });
    left->addWidget(SightTable);
    auto* buttons = new QHBoxLayout;
    AddButton = new QPushButton(QStringLiteral("Add si&ght"), sights);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    AddButton->setToolTip(QStringLiteral("Insert, in the table"));
    DeleteButton = new QPushButton(QStringLiteral("De&lete sight"), sights);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    DeleteButton->setToolTip(QStringLiteral("Delete, in the table"));
    connect(AddButton, &QPushButton::clicked, this, [this] { Guarded([this] { AddSight(); }); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { Guarded([this] { DeleteSight(); }); });
    buttons->addWidget(AddButton);
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    left->addLayout(buttons);
    layout->addLayout(left, 3);

    auto* editor = new QFormLayout;
    BodyBox = new QComboBox(sights);
    BodyBox->setObjectName(QStringLiteral("BodyBox"));
    BodyBox->setAccessibleName(QStringLiteral("Body"));
    BodyBox->setEditable(true);
    BodyBox->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& name : astro::AlmanacBodies())
        if (name != "Aries")
            BodyBox->addItem(QString::fromStdString(name));
    BodyBox->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    BodyBox->completer()->setCompletionMode(QCompleter::InlineCompletion);
    editor->addRow(QStringLiteral("&Body:"), BodyBox);
    connect(BodyBox->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        Guarded([this] {
            const std::optional<std::string> name = astro::BodyName(platform::FromQt(BodyBox->currentText()));
            if (!name) {
                SetStatus("'" + platform::FromQt(BodyBox->currentText()) + "' is not a body of the almanac");
                ShowSightFields();
                return;
            }
            SightFieldChanged([&name](SightEntry& s) {
                if (s.Body != *name && DefaultLimb(*name) != DefaultLimb(s.Body))
                    s.LimbTaken = DefaultLimb(*name);
                s.Body = *name;
            });
        });
    });
    LimbBox = new QComboBox(sights);
    LimbBox->setObjectName(QStringLiteral("LimbBox"));
    LimbBox->setAccessibleName(QStringLiteral("Limb"));
    LimbBox->addItems({QStringLiteral("lower"), QStringLiteral("upper"), QStringLiteral("centre")});
    editor->addRow(QStringLiteral("Li&mb:"), LimbBox);
    connect(LimbBox, &QComboBox::activated, this, [this](int index) {
        Guarded([this, index] { SightFieldChanged([index](SightEntry& s) { s.LimbTaken = static_cast<Limb>(index); }); });
    });
    SightDate = AddDateField(editor, QStringLiteral("SightDate"), QStringLiteral("Sight date"), QStringLiteral("&Date"),
                             [this] { SightFieldChanged([](SightEntry&) {}); });
    editor->addRow(QStringLiteral("&UT:"), SightTime.Field);
    connect(&SightTime, &platform::TimeEntry::changed, this, [this] { Guarded([this] { SightFieldChanged([](SightEntry&) {}); }); });
    HsEdit = NumberField("HsEdit", QStringLiteral("Sextant altitude"));
    editor->addRow(QStringLiteral("Hs (se&xtant altitude):"), HsEdit);
    new StoredField(
        HsEdit, [this] { return Selected() < 0 ? std::string() : platform::FromQt(QString::fromStdString(entries_.Sights[Selected()].Hs)); },
        [this](const std::string& text) {
            const std::string utf8 = geo::Utf8Text(text);
            const double hs = ReadSextantAltitude(utf8);
            if (!(hs >= 0 && hs <= 90))
                throw SightError("The sextant altitude " + utf8 + " is outside 0 to 90\xC2\xB0");
            SightFieldChanged([&utf8](SightEntry& s) { s.Hs = utf8; });
        },
        [this](const std::string& m) { SetStatus(m); });
    SightIndexEdit = NumberField("SightIndexEdit", QStringLiteral("Sight index error"));
    SightIndexEdit->setToolTip(QStringLiteral("Empty: the index error of all the sights"));
    editor->addRow(QStringLiteral("Its index e&rror:"), SightIndexEdit);
    new StoredField(
        SightIndexEdit, [this] { return Selected() < 0 ? std::string() : entries_.Sights[Selected()].IndexError; },
        [this](const std::string& text) {
            if (!text.empty())
                ReadSightsNumber("index-error", text);
            SightFieldChanged([&text](SightEntry& s) { s.IndexError = text; });
        },
        [this](const std::string& m) { SetStatus(m); });
    NoonBox = new QCheckBox(QStringLiteral("&Noon sight (the Sun on the meridian)"), sights);
    NoonBox->setObjectName(QStringLiteral("NoonBox"));
    editor->addRow(NoonBox);
    connect(NoonBox, &QCheckBox::clicked, this, [this](bool on) {
        Guarded([this, on] { SightFieldChanged([on](SightEntry& s) { s.Noon = on; }); });
    });
    layout->addLayout(editor, 2);
    Body()->addWidget(sights);
}

void TCelPosForm::MakeResults()
{
    auto* results = new QHBoxLayout;
    auto* worksheet = new QGroupBox(QStringLiteral("Worksheet of the selected sight"), centralWidget());
    auto* sheetForm = new QFormLayout(worksheet);
    for (const char* name : WorksheetNames)
        Worksheet[name] = AddResult(sheetForm, QStringLiteral("Worksheet") + QString::fromLatin1(name).remove(' ').remove('-'),
                                    QString::fromLatin1(name));
    results->addWidget(worksheet);
    auto* fix = new QGroupBox(QStringLiteral("Position fix"), centralWidget());
    auto* fixForm = new QFormLayout(fix);
    for (const char* name : FixNames)
        FixResults[name] = AddResult(fixForm, QStringLiteral("Fix") + QString::fromLatin1(name).remove(' '),
                                     QString::fromLatin1(name));
    FixResults["Warnings"]->setWordWrap(true);
    FixResults["Residuals"]->setWordWrap(true);
    results->addWidget(fix, 1);
    Body()->addLayout(results);
}

void TCelPosForm::MakeMenus()
{
    QMenu* file = FileMenu();
    QAction* print = PrintAction();
    const auto add = [&](const QString& text, QKeySequence keys, std::function<void()> run) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [run] { Guarded(run); });
        file->insertAction(print, action);
        return action;
    };
    add(QStringLiteral("&Open..."), QKeySequence::Open, [this] { FileOpen(); });
    add(QStringLiteral("&Save"), QKeySequence::Save, [this] { FileSave(); });
    add(QStringLiteral("Save &As..."), QKeySequence::SaveAs, [this] { FileSaveAs(); });
    file->insertSeparator(print);
    add(QStringLiteral("Export Plotting S&heet..."), {}, [this] { ExportSheet(); });
    add(QStringLiteral("Print &Worksheet"), {}, [this] { PrintWorksheet(); });
    add(QStringLiteral("Print Al&manac Page"), {}, [this] { PrintAlmanacPage(); });
    QMenu* view = new QMenu(QStringLiteral("&View"), this);
    menuBar()->insertMenu(menuBar()->actions().value(1), view);
    QAction* sheet = view->addAction(QStringLiteral("&Plotting Sheet"), this, [this] { Guarded([this] { ShowPlottingSheet(); }); });
    sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

void TCelPosForm::closeEvent(QCloseEvent* event)
{
    bool leave = false; // a save that fails keeps the window
    Guarded([this, &leave] { leave = MayLeave(); });
    if (!leave) {
        event->ignore();
        return;
    }
    if (sheet_)
        sheet_->close();
    event->accept();
}

} // namespace celpos
