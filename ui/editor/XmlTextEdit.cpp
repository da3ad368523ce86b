#include "ui/editor/XmlTextEdit.h"

#include "ui/editor/XmlHighlighter.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTextDocument>

#include <cmath>

namespace varnel {

TXmlTextEdit::TXmlTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("SynEdit1");
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    highlighter_ = new TXmlHighlighter(document());
    // Colouring marks text dirty without changing a character: only real
    // changes count.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (settingText_ || (removed == 0 && added == 0))
            return;
        edited_ = true;
        emit TextEdited();
    });
}

void TXmlTextEdit::SetText(const QString& text) {
    settingText_ = true;
    setPlainText(text);
    settingText_ = false;
    edited_ = false;
}

int TXmlTextEdit::MarginX() const {
    const qreal column = fontMetrics().horizontalAdvance(QString(MarginColumn, QChar('x')));
    return static_cast<int>(
        std::round(contentOffset().x() + document()->documentMargin() + column));
}

void TXmlTextEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Mid));
    const int x = MarginX();
    painter.drawLine(x, 0, x, viewport()->height());
}

} // namespace varnel
