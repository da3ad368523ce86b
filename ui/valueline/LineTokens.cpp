#include "ui/valueline/LineTokens.h"

#include "units/UnitNotation.h"

namespace varnel {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// As the notation reads symbols, so that the line colours what it reads.
bool IsWordStart(QChar c) {
    return IsSymbolLetter(c.unicode());
}

bool IsWordChar(QChar c) {
    return IsWordStart(c) || IsDigit(c);
}

bool IsHexDigit(QChar c) {
    return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool IsNumberChar(QChar c) {
    return IsDigit(c) || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-';
}

bool IsNumberSuffix(QChar c) {
    return QStringView(u"cCdDsS").contains(c);
}

class TLineReader {
public:
    explicit TLineReader(const QString& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    QChar Here() const { return AtEnd() ? QChar() : text_.at(pos_); }
    qsizetype Pos() const { return pos_; }
    void Skip() { ++pos_; }
    template <typename Predicate> void SkipWhile(Predicate predicate) {
        while (!AtEnd() && predicate(Here()))
            ++pos_;
    }

    TLineTokenKind ReadNumber() {
        Skip(); // the sign or the first digit
        SkipWhile(IsDigit);
        TLineTokenKind kind = TLineTokenKind::Integer;
        while (!AtEnd() && IsNumberChar(Here())) {
            Skip();
            kind = TLineTokenKind::Number;
        }
        if (!AtEnd() && IsNumberSuffix(Here())) {
            Skip();
            kind = TLineTokenKind::Number;
        }
        return kind;
    }

    // Pieces of 'text' (two quotes inside stand for one) and #code.
    bool ReadQuoted() {
        for (;;) {
            if (Here() == u'#') {
                Skip();
                SkipWhile(IsDigit);
            } else if (Here() == u'\'') {
                Skip();
                if (!ReadToClosingQuote())
                    return false;
            } else {
                return true;
            }
        }
    }

private:
    bool ReadToClosingQuote() {
        for (;;) {
            if (AtEnd())
                return false;
            if (Here() == u'\'') {
                Skip();
                if (Here() != u'\'')
                    return true;
            }
            Skip();
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

} // namespace

bool ReadLineTokens(const QString& text, TTokens& tokens) {
    TLineReader reader(text);
    while (!reader.AtEnd()) {
        const QChar c = reader.Here();
        if (c.unicode() <= u' ') {
            reader.Skip();
            continue;
        }
        const qsizetype start = reader.Pos();
        TLineTokenKind kind = TLineTokenKind::Char;
        if (IsWordStart(c)) {
            reader.SkipWhile(IsWordChar);
            kind = TLineTokenKind::Word;
        } else if (c == u'-' || IsDigit(c)) {
            kind = reader.ReadNumber();
        } else if (c == u'\'' || c == u'#') {
            if (!reader.ReadQuoted())
                return false;
            kind = TLineTokenKind::Quoted;
        } else if (c == u'$') {
            reader.Skip();
            reader.SkipWhile(IsHexDigit);
            kind = TLineTokenKind::Hex;
        } else {
            reader.Skip();
        }
        const qsizetype length = reader.Pos() - start;
        tokens.append(
            {text.mid(start, length), static_cast<int>(start), static_cast<int>(length), kind});
    }
    return true;
}

} // namespace varnel
