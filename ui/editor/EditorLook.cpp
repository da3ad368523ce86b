#include "ui/editor/EditorLook.h"

#include "ui/common/Hints.h"

#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace varnel {

QLabel* Heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

QToolButton* SearchButton(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText("Search");
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetHint(button, "| Search the web");
    button->setToolTip("Search the web");
    return button;
}

} // namespace varnel
