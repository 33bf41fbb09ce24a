// Showing a dialog modally: the one place where the windows wait for a
// user, so that tests can stand in for the user.
#pragma once

#include <functional>

class QDialog;

namespace platform {

// Shows `dialog` modally and returns its result (QDialog::exec), or what a
// test's runner returns.
int ShowModal(QDialog& dialog);

// Replaces the modal showing, for tests; an empty function puts it back.
// Returns the runner installed before.
using ModalRunner = std::function<int(QDialog& dialog)>;
ModalRunner SetModalRunner(ModalRunner runner);

} // namespace platform
