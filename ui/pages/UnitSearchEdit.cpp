#include "ui/pages/UnitSearchEdit.h"

#include "common/TextUtil.h"
#include "ui/common/Hints.h"
#include "units/UnitSearch.h"

#include <QKeyEvent>

namespace varnel {

TUnitSearchEdit::TUnitSearchEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName("edUnitSearch");
    setPlaceholderText("Search units");
    SetHint(this, "Search units| Show the categories and units whose name, symbol or keyword "
                  "contains the text; Enter adds the first match");
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The button's icon is looked up in the icon theme, which takes
        // longer than building the window; the button is hidden while the
        // field is empty, so it comes with the first text.
        if (!text.isEmpty() && !isClearButtonEnabled())
            setClearButtonEnabled(true);
        std::string word = FoldForSearch(Trim(text.toStdString()));
        if (word == word_)
            return;
        word_ = std::move(word);
        emit WordChanged();
    });
}

void TUnitSearchEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit MatchRequested();
        event->accept();
        return;
    case Qt::Key_Down:
        if (list_) {
            list_->setFocus(Qt::OtherFocusReason);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (!text().isEmpty()) {
            clear();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace varnel
