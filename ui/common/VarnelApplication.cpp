#include "ui/common/VarnelApplication.h"

#include "ui/common/ErrorGuard.h"

namespace varnel {

TVarnelApplication::TVarnelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVarnelApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    RunShowingErrors([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace varnel
