#pragma once

#include <QString>

class QWidget;

namespace varnel {

// Hints are written "short|long": the short part is the tooltip, the long
// part is shown in the status bar. A hint without "|" serves as both.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
void SetHint(QWidget* widget, const QString& hint);

} // namespace varnel
