#include "platform/desktop/file_questions.h"

#include "platform/desktop/modal.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

// The file dialog. A name to open is the file of that name; only where
// there is none is the ending tried after it, as saving adds it.
class OpenOrSaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void SetEndingTried(const QString& ending) { ending_ = ending; }

    // The file chosen; none while the dialog was not accepted.
    QString Chosen() const
    {
        if (result() != QDialog::Accepted)
            return {};
        return withEnding_.isEmpty() && !selectedFiles().isEmpty() ? selectedFiles().constFirst() : withEnding_;
    }

    void accept() override
    {
        const QStringList named = selectedFiles();
        if (!ending_.isEmpty() && named.size() == 1 && !QFileInfo::exists(named.first()) &&
            QFileInfo(named.first() + '.' + ending_).isFile()) {
            withEnding_ = named.first() + '.' + ending_;
            QDialog::accept(); // a file that is there: nothing for the dialog to check
            return;
        }
        QFileDialog::accept();
    }

private:
    QString ending_;
    QString withEnding_;
};

} // namespace

QString AskFileName(QWidget* parent, const FileQuestion& question)
{
    const QString folder = question.Beside.isEmpty() ? QDir::currentPath() : QFileInfo(question.Beside).absolutePath();
    OpenOrSaveDialog dialog(parent, question.Title, folder, question.Filter);
    dialog.setAcceptMode(question.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (question.Save) {
        dialog.setDefaultSuffix(question.Ending);
        if (question.OffersBesideName && !question.Beside.isEmpty())
            dialog.selectFile(QFileInfo(question.Beside).fileName());
    } else if (question.OpenTriesEnding) {
        dialog.SetEndingTried(question.Ending);
    }
    if (ShowModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.Chosen();
}

SaveAnswer AskToSaveChanges(QWidget* parent, const QString& what)
{
    QMessageBox question(QMessageBox::Warning, QApplication::applicationDisplayName(),
                         what + QStringLiteral("\nSave the changes?"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::Save);
    // Every answer has its access key (Alt+S, Alt+D, Alt+C).
    question.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
    question.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    question.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel"));
    switch (ShowModal(question)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace platform
