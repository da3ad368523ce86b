#pragma once

#include <functional>

class QDialog;

namespace varnel {

// Shows a dialog modally and returns its result. Tests replace the loop with
// a function that shows the dialog, drives it and returns its result.
using ModalFunction = std::function<int(QDialog& dialog)>;

int ExecModal(QDialog& dialog);
// Returns the function it replaces; an empty function restores the real loop.
ModalFunction SetModalFunction(ModalFunction function);

} // namespace varnel
