#pragma once

#include <QColor>
#include <QPalette>

namespace varnel {

// The program's own colours (token colours, pale cell backgrounds, the dark
// red of categories) are meant for a light window. On a dark palette the same
// meanings are drawn in colours derived from the palette instead.

// WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
bool IsDarkPalette(const QPalette& palette);
// A pale background of the given tint: itself on a light palette, on a dark
// one the palette's base colour tinted towards its hue.
QColor TintedBackground(const QPalette& palette, const QColor& lightTint);
// Text in the given colour where it reads on the background (4.5:1 at
// least); otherwise the same hue made lighter or darker until it does.
QColor ReadableText(const QColor& wanted, const QColor& background);
// The program's own text colour as is on a light palette; on a dark one made
// readable on the background (the palette's base colour when none is given).
QColor ThemedText(const QPalette& palette, const QColor& wanted, QColor background = {});

} // namespace varnel
