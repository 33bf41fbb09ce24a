#include "datumshift/window/datum_list.h"

#include "datumshift/core/datum_catalogue.h"
#include "datumshift/core/errors.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/edit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

namespace datumshift {
namespace {

constexpr int CodeRole = Qt::UserRole;

QString Shown(std::string_view name, const std::string& code)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + QStringLiteral(" (") +
           QString::fromStdString(code) + QLatin1Char(')');
}

} // namespace

DatumList::DatumList(QWidget* window, const QString& objectName, const QString& name, int code, Lookup lookup,
                     StatusSink status)
    : lookup_(std::move(lookup)), status_(std::move(status))
{
    Box = new QComboBox(window);
    Box->setObjectName(objectName);
    Box->setAccessibleName(name);
    Box->setEditable(true);
    Box->setInsertPolicy(QComboBox::NoInsert); // a typed datum joins the list once it is found
    Line = new platform::Edit(Box);
    Line->setObjectName(objectName + QStringLiteral("Line"));
    Line->setAccessibleName(name);
    Box->setLineEdit(Line);
    Box->setCompleter(nullptr); // a prefix is no datum: "NTF" would complete to NTF, not NTF (Paris)
    for (const DatumEntry& d : OfferedDatums())
        Add(Shown(d.Name, EpsgCode(d.Code)), EpsgCode(d.Code));
    Box->setCurrentIndex(IndexOf(EpsgCode(code)));
    code_ = EpsgCode(code);

    connect(Line, &platform::Edit::exited, this, [this] { platform::Guard([this] { Take(); }); });
    connect(Line, &QLineEdit::returnPressed, this, [this] { platform::Guard([this] { Take(); }); });
    connect(Box, &QComboBox::activated, this, [this](int index) { platform::Guard([this, index] { Hold(index, true); }); });
    Box->installEventFilter(this);
}

QString DatumList::Text() const { return Box->itemText(Box->currentIndex()); }

int DatumList::IndexOf(const std::string& code) const
{
    return Box->findData(QString::fromStdString(code), CodeRole, Qt::MatchExactly);
}

int DatumList::Add(const QString& text, const std::string& code)
{
    Box->addItem(text, QString::fromStdString(code));
    return Box->count() - 1;
}

void DatumList::Take()
{
    const QString typed = Line->text().trimmed();
    if (typed == Text())
        return; // the datum held, or an item just picked
    int index = Box->findText(typed, Qt::MatchFixedString); // an item's text, in any case
    if (index < 0) {
        try {
            const CrsDescription crs = lookup_(typed.toStdString());
            index = IndexOf(crs.Code);
            if (index < 0)
                index = Add(Shown(crs.Name, crs.Code), crs.Code);
        } catch (const DatumError& refused) {
            status_(platform::FromQt(QString::fromUtf8(refused.what())));
            platform::TakeFocusBack(*Line);
            return;
        }
    }
    Hold(index, true);
}

void DatumList::Hold(int index, bool byUser)
{
    if (index < 0)
        return;
    Box->setCurrentIndex(index);
    Line->setText(Box->itemText(index));
    const std::string code = Box->itemData(index, CodeRole).toString().toStdString();
    if (byUser)
        status_({});
    if (code == code_)
        return;
    code_ = code;
    if (byUser)
        emit changed();
}

void DatumList::HoldDatum(const std::string& code, const QString& text)
{
    const int index = IndexOf(code);
    Hold(index >= 0 ? index : Add(text, code), false);
}

void DatumList::Exchange(DatumList& other)
{
    const std::string code = code_;
    const QString text = Text();
    HoldDatum(other.code_, other.Text());
    other.HoldDatum(code, text);
}

bool DatumList::eventFilter(QObject* watched, QEvent* event)
{
    // Escape abandons what was typed: the datum held comes back, and with
    // it nothing is wrong any more.
    if (watched == Box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !Box->view()->isVisible() &&
        Line->text() != Text()) {
        Line->setText(Text());
        Line->selectAll();
        status_({});
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace datumshift
