#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace varnel {

// Colours XML text: tag names, attribute names, attribute values, comments
// and the declaration.
class TXmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit TXmlHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    void HighlightComments(const QString& text);

    QTextCharFormat tagFormat_;
    QTextCharFormat attributeFormat_;
    QTextCharFormat valueFormat_;
    QTextCharFormat commentFormat_;
    QRegularExpression tag_;
    QRegularExpression attribute_;
    QRegularExpression value_;
};

} // namespace varnel
