#include "ui/common/ModalLoop.h"

#include <QDialog>

#include <utility>

namespace varnel {

namespace {

ModalFunction& CurrentModal() {
    static ModalFunction function;
    return function;
}

} // namespace

int ExecModal(QDialog& dialog) {
    return CurrentModal() ? CurrentModal()(dialog) : dialog.exec();
}

ModalFunction SetModalFunction(ModalFunction function) {
    return std::exchange(CurrentModal(), std::move(function));
}

} // namespace varnel
