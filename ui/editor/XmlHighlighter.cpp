#include "ui/editor/XmlHighlighter.h"

#include <QApplication>
#include <QPalette>

namespace varnel {

namespace {

constexpr int InsideComment = 1;

bool DarkPalette() {
    return QApplication::palette().color(QPalette::Base).lightness() < 128;
}

QTextCharFormat Format(const QColor& light, const QColor& dark, bool bold = false) {
    QTextCharFormat format;
    format.setForeground(DarkPalette() ? dark : light);
    if (bold)
        format.setFontWeight(QFont::Bold);
    return format;
}

} // namespace

TXmlHighlighter::TXmlHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document),
      tagFormat_(Format(QColor(0, 0, 128), QColor(130, 170, 255), true)),
      attributeFormat_(Format(QColor(128, 0, 0), QColor(240, 150, 150))),
      valueFormat_(Format(QColor(0, 110, 0), QColor(140, 220, 140))),
      commentFormat_(Format(QColor(110, 110, 110), QColor(160, 160, 160))),
      tag_(R"(</?[\w:.-]+|/?>|<\?[\w:.-]+|\?>)"), attribute_(R"([\w:.-]+(?=\s*=))"),
      value_(R"("[^"]*"|'[^']*')") {}

void TXmlHighlighter::highlightBlock(const QString& text) {
    for (const auto& [expression, format] :
         {std::pair{&attribute_, &attributeFormat_}, std::pair{&value_, &valueFormat_},
          std::pair{&tag_, &tagFormat_}}) {
        for (auto it = expression->globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            setFormat(static_cast<int>(match.capturedStart()),
                      static_cast<int>(match.capturedLength()), *format);
        }
    }
    HighlightComments(text);
}

// Comments may run over several lines.
void TXmlHighlighter::HighlightComments(const QString& text) {
    setCurrentBlockState(0);
    qsizetype start = previousBlockState() == InsideComment ? 0 : text.indexOf("<!--");
    while (start >= 0) {
        const qsizetype end = text.indexOf("-->", start);
        qsizetype length;
        if (end < 0) {
            setCurrentBlockState(InsideComment);
            length = text.length() - start;
        } else {
            length = end - start + 3;
        }
        setFormat(static_cast<int>(start), static_cast<int>(length), commentFormat_);
        start = end < 0 ? -1 : text.indexOf("<!--", start + length);
    }
}

} // namespace varnel
