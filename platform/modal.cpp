#include "platform/modal.h"

#include <QDialog>

#include <utility>

namespace platform {
namespace {

ModalRunner& Runner()
{
    static ModalRunner runner;
    return runner;
}

} // namespace

int ShowModal(QDialog& dialog)
{
    return Runner() ? Runner()(dialog) : dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

} // namespace platform
