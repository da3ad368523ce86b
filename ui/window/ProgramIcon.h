#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <vector>

namespace varnel {

// The program's icon for the windows and the tray, in the sizes a window
// icon is drawn in (up to 64 pixels). The desktop takes larger ones from
// the installed icon theme through the desktop entry; every size added
// here is sent to the display with every window.
QIcon ProgramIcon();

// The program's picture for a place size logical pixels square, from the
// smallest drawing that covers it at the device pixel ratio.
QPixmap ProgramPicture(int size, qreal devicePixelRatio);

// The window icon's images, one per size. Safe on any thread; made after
// the application object, whose library paths find the image decoders.
std::vector<QImage> DecodeProgramIconImages();
// Makes ProgramIcon use images decoded beforehand instead of decoding its
// own; ignored once the icon is made.
void UseProgramIconImages(std::vector<QImage> images);

} // namespace varnel
