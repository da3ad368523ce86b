#pragma once

#include <QPixmap>

namespace varnel {

// The program's picture: two arrows between a long and a short scale, drawn
// at any size so that it stays sharp on every screen.
QPixmap AboutPicture(int size, qreal devicePixelRatio = 1.0);

} // namespace varnel
