#include "ui/window/ProgramIcon.h"

namespace varnel {

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/varnel-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace varnel
