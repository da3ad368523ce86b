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
}

void TXmlTextEdit::SetText(const QString& text) {
    setPlainText(text);
    document()->setModified(false);
}

bool TXmlTextEdit::Edited() const {
    return document()->isModified();
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
