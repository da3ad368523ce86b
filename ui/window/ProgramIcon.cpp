#include "ui/window/ProgramIcon.h"

#include <QCoreApplication>

namespace varnel {

namespace {

// Every size is decoded when it is added: done once, not for every window.
QIcon* decodedIcon = nullptr;

void ForgetDecodedIcon() {
    delete decodedIcon;
    decodedIcon = nullptr;
}

QIcon DecodeProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/varnel-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon ProgramIcon() {
    if (!decodedIcon) {
        decodedIcon = new QIcon(DecodeProgramIcon());
        // Its pixmaps go with the application that made them.
        qAddPostRoutine(ForgetDecodedIcon);
    }
    return *decodedIcon;
}

} // namespace varnel
