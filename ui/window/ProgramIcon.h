#pragma once

#include <QIcon>

namespace varnel {

// The program's icon in every size it is drawn in, for the windows and the
// tray.
QIcon ProgramIcon();

} // namespace varnel
