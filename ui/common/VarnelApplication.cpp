#include "ui/common/VarnelApplication.h"

#include "ui/common/MessageBoxes.h"

#include <new>

namespace varnel {

TVarnelApplication::TVarnelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVarnelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorMessage(ErrorMessageOf(error));
    } catch (...) {
        ShowErrorMessage("Unknown error");
    }
    return false;
}

QString ErrorMessageOf(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return "Out of memory";
    return QString::fromStdString(error.what());
}

} // namespace varnel
