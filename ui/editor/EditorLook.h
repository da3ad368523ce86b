#pragma once

#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace varnel {

// A form's spaced-out heading ("C a t e g o r y"), bold and a size larger.
QLabel* Heading(QWidget* parent, const QString& text);
// The small button beside a name that searches the web for it.
QToolButton* SearchButton(QWidget* parent, const char* name);

} // namespace varnel
