#include "platform/modal.h"

#include "platform/seam.h"

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
