#include "ui/common/ErrorGuard.h"

#include "ui/common/MessageBoxes.h"

#include <new>

namespace varnel {

QString ErrorMessageOf(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return "Out of memory";
    return QString::fromStdString(error.what());
}

void RunShowingErrors(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorMessage(ErrorMessageOf(error));
    } catch (...) {
        ShowErrorMessage("Unknown error");
    }
}

} // namespace varnel
