#pragma once

#include <QList>
#include <QString>

namespace varnel {

enum class TLineTokenKind { Word, Integer, Number, Quoted, Hex, Char };

// One token of the input line, at its characters in the line as shown.
struct TLineToken {
    QString Text;
    int Position = 0;
    int Length = 0;
    TLineTokenKind Kind = TLineTokenKind::Char;
};

using TTokens = QList<TLineToken>;

// Reads the tokens of a line; blanks separate them. False at a quoted text
// that is not closed: the tokens before it are kept.
bool ReadLineTokens(const QString& text, TTokens& tokens);

} // namespace varnel
