#include "platform/desktop/modal.h"

#include "platform/desktop/seam.h"

#include <QDialog>

#include <utility>

namespace platform {
namespace {

Seam<ModalRunner> runnerSeam; // used only once main has begun

} // namespace

int ShowModal(QDialog& dialog)
{
    const ModalRunner& runner = runnerSeam.Installed();
    return runner ? runner(dialog) : dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner)
{
    return runnerSeam.Replace(std::move(runner));
}

} // namespace platform
