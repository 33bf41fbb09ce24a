#include "platform/modal.h"

#include "platform/seam.h"

#include <QDialog>

#include <utility>

namespace platform {
namespace {

Seam<ModalRunner>& Runner()
{
    static Seam<ModalRunner> seam;
    return seam;
}

} // namespace

int ShowModal(QDialog& dialog)
{
    const ModalRunner& runner = Runner().Installed();
    return runner ? runner(dialog) : dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner)
{
    return Runner().Replace(std::move(runner));
}

} // namespace platform
