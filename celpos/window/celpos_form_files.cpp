// The position-fix window's files: sights files opened and saved whole,
// the title naming the file and marking changes, the question before
// changed sights are left, and the plotting sheet exported as a picture.
#include "celpos/window/celpos_form.h"

#include "celpos/window/plotting_sheet_form.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/file_questions.h"
#include "platform/desktop/user_file.h"
#include "platform/widgets/radio_group.h"

#include <QFileInfo>

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
    const std::optional<platform::PictureFormat> format = platform::PictureFormatOf(file);
    if (!format || *format == platform::PictureFormat::Jpeg)
        throw platform::TextError(QStringLiteral("The plotting sheet could not be exported to %1: its name ends in "
                                                 "neither .png nor .svg").arg(file));
    const PlottingSheet sheet = round_ ? SheetOf(*round_, reductions_, fix_) : PlottingSheet{};
    const QSize size = sheet_ && sheet_->isVisible() ? sheet_->View->size() : QSize(900, 900);
    platform::WriteWholeFile(file, [&] { return SheetPicture(sheet, size, *format); },
                             QStringLiteral("The plotting sheet could not be exported to %1: %2"));
}

QString TCelPosForm::AskFileName(bool save, const QString& title, const QString& filter, const QString& suffix)
{
    return platform::AskFileName(this, {save, title, filter, suffix, file_, suffix == QLatin1String(Suffix)});
}

void TCelPosForm::ReadFrom(const QString& file)
{
    entries_ = platform::ReadKeptFile(file, LargestSightsFile, QStringLiteral("The sights could not be opened from %1: %2"),
                                      ReadSightsFile);
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
    switch (platform::AskToSaveChanges(
        this, QStringLiteral("The sights %1 have changed.").arg(QFileInfo(file_).fileName()))) {
    case platform::SaveAnswer::Save:
        SaveTo(file_);
        return true;
    case platform::SaveAnswer::Discard:
        return true;
    case platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace celpos
