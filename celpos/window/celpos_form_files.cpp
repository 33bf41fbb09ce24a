// The position-fix window's files: sights files opened and saved whole,
// the title naming the file and marking changes, the question before
// changed sights are left, and the plotting sheet exported as a picture.
#include "celpos/window/celpos_form.h"

#include "celpos/window/plotting_sheet_form.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/user_file.h"
#include "platform/widgets/radio_group.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace celpos {
namespace {

constexpr char Suffix[] = "sights";
const QString DisplayName = QStringLiteral("Astronomical Position Fix");

} // namespace

void TCelPosForm::FileOpen()
{
    if (!MayLeave())
        return;
    const QString file = AskFileName(false, QStringLiteral("Open sights"),
                                     QStringLiteral("Sights (*.sights);;All files (*)"), Suffix);
    if (!file.isEmpty())
        ReadFrom(file);
}

void TCelPosForm::OpenSights(const QString& file)
{
    Guarded([this, &file] { ReadFrom(file); });
}

void TCelPosForm::FileSave()
{
    if (file_.isEmpty())
        FileSaveAs();
    else
        SaveTo(file_);
}

void TCelPosForm::FileSaveAs()
{
    const QString file = AskFileName(true, QStringLiteral("Save the sights"), QStringLiteral("Sights (*.sights)"), Suffix);
    if (!file.isEmpty())
        SaveTo(file);
}

void TCelPosForm::ExportSheet()
{
    const QString file = AskFileName(true, QStringLiteral("Export the plotting sheet"),
                                     QStringLiteral("Pictures (*.png *.svg)"), QStringLiteral("png"));
    if (file.isEmpty())
        return;
    const std::optional<PictureKind> kind = PictureKindOf(file);
    if (!kind)
        throw platform::TextError(QStringLiteral("The plotting sheet could not be exported to %1: its name ends in "
                                                 "neither .png nor .svg").arg(file));
    const PlottingSheet sheet = round_ ? SheetOf(*round_, reductions_, fix_) : PlottingSheet{};
    const QSize size = sheet_ && sheet_->isVisible() ? sheet_->View->size() : QSize(900, 900);
    platform::WriteWholeFile(file, [&] { return SheetPicture(sheet, size, *kind); },
                             QStringLiteral("The plotting sheet could not be exported to %1: %2"));
}

QString TCelPosForm::AskFileName(bool save, const QString& title, const QString& filter, const QString& suffix)
{
    const QString folder = file_.isEmpty() ? QDir::currentPath() : QFileInfo(file_).absolutePath();
    QFileDialog dialog(this, title, folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setDefaultSuffix(suffix);
    if (save && !file_.isEmpty() && suffix == QLatin1String(Suffix))
        dialog.selectFile(QFileInfo(file_).fileName());
    if (platform::ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TCelPosForm::ReadFrom(const QString& file)
{
    const QString failure = QStringLiteral("The sights could not be opened from %1: %2");
    const QByteArray bytes = platform::ReadSmallFile(file, LargestSightsFile, failure);
    SightsEntries entries;
    try {
        entries = ReadSightsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& e) {
        throw platform::TextError(failure.arg(file, QString::fromUtf8(e.what())));
    }
    entries_ = entries;
    DisplayGroup->SetItemIndex(static_cast<int>(entries_.Display));
    Dr.FormatChanged();
    ShowFile(file);
    ShowEntries();
    SetStatus({});
}

void TCelPosForm::SaveTo(const QString& file)
{
    entries_.Display = Format();
    platform::WriteWholeFile(file, QByteArray::fromStdString(WriteSightsFile(entries_)),
                             QStringLiteral("The sights could not be saved to %1: %2"));
    ShowFile(file);
}

void TCelPosForm::ShowFile(const QString& file)
{
    file_ = file;
    entries_.Display = Format();
    savedText_ = WriteSightsFile(entries_);
    setWindowTitle(QFileInfo(file).fileName() + QStringLiteral("[*] \u2014 ") + DisplayName);
    UpdateModifiedMark();
}

void TCelPosForm::UpdateModifiedMark()
{
    SightsEntries now = entries_;
    now.Display = Format();
    setWindowModified(!file_.isEmpty() && WriteSightsFile(now) != savedText_);
}

bool TCelPosForm::MayLeave()
{
    UpdateModifiedMark();
    if (!isWindowModified())
        return true;
    QMessageBox question(QMessageBox::Warning, QApplication::applicationDisplayName(),
                         QStringLiteral("The sights %1 have changed.\nSave the changes?").arg(QFileInfo(file_).fileName()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setDefaultButton(QMessageBox::Save);
    question.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
    question.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    question.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel"));
    switch (platform::ShowModal(question)) {
    case QMessageBox::Save:
        SaveTo(file_);
        return true;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace celpos
