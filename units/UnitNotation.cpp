#include "units/UnitNotation.h"

#include "common/Messages.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"
#include "common/Windows1252.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace varnel {

namespace {

constexpr char32_t SuperscriptTwo = 0x00B2;
constexpr char32_t SuperscriptThree = 0x00B3;
constexpr size_t MaxTokenChars = 20;
constexpr size_t MaxDegreeTextChars = 255;

const char* const WrongUnitsFormat = "Wrong units format.";
const char* const WrongDegreeNumber = "Wrong degree number.";
// With a token of at most 20 characters the message stays within 65.
const std::string OnlyPositiveDegrees = "Wrong degree number (only positive numbers). ";
const char* const OnlyOneSlash = "Only one \"/\" is allowed.";
const char* const OnlyDotAndSlash = "Only \".\" and \"/\" operators are allowed in dim part.";
const char* const TooManyTokens = "Input string has too many tokens.";

constexpr std::string_view BaseUnitSymbols[7] = {"m", "kg", "s", "A", "K", "mol", "cd"};

// The degree sign and Å, and the micro sign, Greek mu, Omega and the ohm
// sign that aliases such as µm and Ω are typed with.
constexpr std::u32string_view ParserLetters = U"\u00B0\u00C5\u00B5\u03BC\u03A9\u2126";

// Letters beyond ASCII that count as word characters; the notation parser
// sets them while it tokenizes, so that °C and Å are symbols there only.
std::u32string_view& ExtraLetters() {
    static std::u32string_view letters;
    return letters;
}

class ExtraLettersScope {
public:
    ExtraLettersScope() { ExtraLetters() = ParserLetters; }
    ~ExtraLettersScope() { ExtraLetters() = {}; }
    ExtraLettersScope(const ExtraLettersScope&) = delete;
    ExtraLettersScope& operator=(const ExtraLettersScope&) = delete;
};

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

bool IsExtraLetter(char32_t c) {
    return ExtraLetters().find(c) != std::u32string_view::npos;
}

bool IsWordStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || IsExtraLetter(c);
}

bool IsWordChar(char32_t c) {
    return IsDigit(c) || IsWordStart(c);
}

bool IsOperator(char32_t c) {
    return std::u32string_view(U"()*+,-./:;=^").find(c) != std::u32string_view::npos ||
           c == SuperscriptTwo || c == SuperscriptThree;
}

// Characters that trimming removes.
bool IsTrimmed(char32_t c) {
    return c <= ' ';
}

std::u32string Decode(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size())
        result += NextCodePoint(text, pos);
    return result;
}

std::string Encode(std::u32string_view codePoints) {
    std::string result;
    result.reserve(codePoints.size());
    for (char32_t c : codePoints)
        AppendUtf8(result, c);
    return result;
}

// Each run of blanks loses its blanks in pairs: two blanks join the words
// around them, three leave one.
std::u32string DropBlankPairs(std::u32string_view text) {
    std::u32string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != ' ') {
            result += text[i++];
            continue;
        }
        size_t run = 0;
        while (i < text.size() && text[i] == ' ') {
            ++run;
            ++i;
        }
        if (run % 2 == 1)
            result += ' ';
    }
    return result;
}

bool StartsNumber(std::u32string_view t, size_t i) {
    return IsDigit(t[i]) || (t[i] == '.' && i + 1 < t.size() && IsDigit(t[i + 1]));
}

// How many characters an "E" at i takes with it: the digit after it, or a
// sign and the digit after that, when the number so extended stays a number.
size_t ExponentLength(std::u32string_view t, size_t i, const std::string& number) {
    std::string extended = number + static_cast<char>(t[i]);
    if (i + 1 < t.size() && IsDigit(t[i + 1]) &&
        IsNumberText(extended + static_cast<char>(t[i + 1])))
        return 2;
    if (i + 2 < t.size() && (t[i + 1] == '+' || t[i + 1] == '-') && IsDigit(t[i + 2]) &&
        IsNumberText(extended + static_cast<char>(t[i + 1]) + static_cast<char>(t[i + 2])))
        return 3;
    return 0;
}

// Takes characters one at a time while the trimmed text stays a number. The
// text is a number throughout, so a digit always extends it, and once a blank
// trails it nothing but blanks can follow; only the few other characters need
// the number syntax, which keeps a long run of digits linear.
size_t ScanNumber(std::u32string_view t, size_t start, std::string& number) {
    size_t i = start;
    number = static_cast<char>(t[i++]);
    bool blankTrails = false;
    while (i < t.size()) {
        const char32_t c = t[i];
        if (c >= 0x80)
            break;
        if (IsTrimmed(c)) {
            blankTrails = true;
        } else if (blankTrails) {
            break;
        } else if (c == 'E' || c == 'e') {
            size_t length = ExponentLength(t, i, number);
            if (length == 0)
                break;
            for (size_t k = 0; k < length; ++k)
                number += static_cast<char>(t[i + k]);
            i += length;
            continue;
        } else if (!IsDigit(c) && !IsNumberText(number + static_cast<char>(c))) {
            break;
        }
        number += static_cast<char>(c);
        ++i;
    }
    number = Trim(number);
    return i;
}

TTokenRec NumberToken(std::u32string_view t, size_t& i) {
    TTokenRec token;
    std::string number;
    i = ScanNumber(t, i, number);
    double value = 0;
    if (ReadNumber(number, value) == NumberRead::Ok) {
        token.TokenValue = value;
        token.TokenKind = tkNumber;
    }
    token.TokenText = number.substr(0, MaxTokenChars);
    token.TokenLength = static_cast<int>(token.TokenText.size());
    return token;
}

TTokenRec WordToken(std::u32string_view t, size_t& i) {
    const size_t start = i;
    while (i < t.size() && IsWordChar(t[i]))
        ++i;
    std::u32string_view word = t.substr(start, std::min(i - start, MaxTokenChars));
    TTokenRec token;
    token.TokenText = Encode(word);
    token.TokenLength = static_cast<int>(word.size());
    token.TokenKind = tkWord;
    return token;
}

TTokenRec SingleCharToken(std::u32string_view t, size_t& i, TTokenKind kind) {
    TTokenRec token;
    token.TokenText = Encode(t.substr(i++, 1));
    token.TokenLength = 1;
    token.TokenKind = kind;
    return token;
}

TTokenRec NextToken(std::u32string_view t, size_t& i) {
    if (StartsNumber(t, i))
        return NumberToken(t, i);
    if (IsWordStart(t[i]))
        return WordToken(t, i);
    if (IsOperator(t[i]))
        return SingleCharToken(t, i, tkOperator);
    return SingleCharToken(t, i, tkOther);
}

int SplitCodePoints(std::u32string_view text, std::vector<TTokenRec>& tokens, TMessages& messages) {
    tokens.clear();
    tokens.reserve(16);
    const std::u32string t = DropBlankPairs(std::u32string(text) + U' ');
    size_t i = 0;
    while (i < t.size()) {
        if (t[i] == ' ') {
            ++i;
            continue;
        }
        if (tokens.size() == MaxTokens) {
            messages.push_back(TooManyTokens);
            break;
        }
        const int startPos = static_cast<int>(i) + 1;
        tokens.push_back(NextToken(t, i));
        tokens.back().StartPos = startPos;
    }
    return static_cast<int>(tokens.size());
}

bool IsNotationChar(char32_t c) {
    return c == ' ' || c == '\t' || IsWordChar(c) || IsOperator(c) || IsExtraLetter(c);
}

std::string UnknownCharacterMessage(std::u32string_view text, size_t index) {
    const char32_t c = text[index];
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    // A control character would only garble the message, so its code alone names it.
    const bool printable = c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0);
    std::string name = printable ? "\"" + Encode(std::u32string_view(&c, 1)) + "\" (" + code + ")"
                                 : std::string(code);
    return "Unknown character " + name + " at position " + std::to_string(index + 1) +
           " of the units \"" + Encode(text) + "\".";
}

// A character outside the notation would otherwise be dropped, and 1 [µm]
// would read as metres.
bool RefuseUnknownCharacter(std::string_view text, TMessages& messages) {
    ExtraLettersScope extraLetters;
    const std::u32string codePoints = Decode(text);
    for (size_t i = 0; i < codePoints.size(); ++i) {
        if (!IsNotationChar(codePoints[i])) {
            messages.push_back(UnknownCharacterMessage(codePoints, i));
            return true;
        }
    }
    return false;
}

std::u32string WithPlainPowers(std::string_view text) {
    std::u32string result;
    for (char32_t c : Decode(text)) {
        if (c == SuperscriptTwo)
            result += U"^2";
        else if (c == SuperscriptThree)
            result += U"^3";
        else if (c == '*')
            result += U'.';
        else
            result += c;
    }
    return result;
}

double RoundHalfToEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Walks the tokens of a notation, adding one entry per symbol.
class NotationWalk {
public:
    NotationWalk(const std::vector<TTokenRec>& tokens, TUnitEntries& list, TMessages& messages)
        : tokens_(tokens), list_(list), messages_(messages) {}

    bool Run() {
        while (i_ < tokens_.size()) {
            Step step = Step::Next;
            switch (tokens_[i_].TokenKind) {
            case tkNumber:
                step = LeadingOne();
                break;
            case tkWord:
                step = Symbol();
                break;
            case tkOperator:
                step = Operator();
                break;
            case tkOther:
                ++i_;
                break;
            }
            if (step != Step::Next)
                return step == Step::Accept;
        }
        return true;
    }

private:
    enum class Step { Next, Accept, Refuse };

    bool HasToken(size_t index) const { return index < tokens_.size(); }

    Step LeadingOne() {
        if (i_ == 0 && tokens_[i_].TokenValue == 1 && HasToken(1) && tokens_[1].TokenText == "/") {
            ++i_;
            return Step::Next;
        }
        messages_.push_back(WrongUnitsFormat);
        return Step::Refuse;
    }

    Step Symbol() {
        const int sign = afterSlash_ ? -1 : 1;
        TUnitRec unit{tokens_[i_].TokenText, sign};
        if (HasToken(i_ + 1) && tokens_[i_ + 1].TokenText == "^") {
            // A notation still being typed ("m^") is accepted without its last symbol.
            if (!HasToken(i_ + 2))
                return Step::Accept;
            int32_t degree = 0;
            if (!ReadDegree(tokens_[i_ + 2], degree))
                return Step::Refuse;
            unit.Degree = sign * degree;
            i_ += 2;
        }
        list_.push_back(unit);
        ++i_;
        return Step::Next;
    }

    bool ReadDegree(const TTokenRec& token, int32_t& degree) {
        if (token.TokenKind != tkNumber) {
            messages_.push_back(WrongDegreeNumber);
            return false;
        }
        const double rounded = RoundHalfToEven(token.TokenValue);
        if (rounded < 1) {
            messages_.push_back(OnlyPositiveDegrees + token.TokenText);
            return false;
        }
        // A degree the factor cannot hold is no degree at all.
        if (rounded > std::numeric_limits<int32_t>::max()) {
            messages_.push_back(WrongDegreeNumber);
            return false;
        }
        degree = static_cast<int32_t>(rounded);
        return true;
    }

    Step Operator() {
        const std::string op = Trim(tokens_[i_].TokenText);
        if (op == "/") {
            if (afterSlash_) {
                messages_.push_back(OnlyOneSlash);
                return Step::Refuse;
            }
            afterSlash_ = true;
        } else if (op != ".") {
            messages_.push_back(OnlyDotAndSlash);
            return Step::Refuse;
        }
        ++i_;
        return Step::Next;
    }

    const std::vector<TTokenRec>& tokens_;
    TUnitEntries& list_;
    TMessages& messages_;
    size_t i_ = 0;
    bool afterSlash_ = false;
};

void AppendFactor(std::string& text, const std::string& symbol, int64_t magnitude) {
    // After a degree, "." and a symbol such as e0 would read as one number
    // (2.e0); a blank multiplies as well and ends the number.
    const size_t caret = text.find_last_of('^');
    const bool afterDegree = !text.empty() && text.back() == '.' && caret != std::string::npos &&
                             text.find_first_not_of("0123456789", caret + 1) == text.size() - 1;
    if (afterDegree && !symbol.empty() && (symbol[0] == 'e' || symbol[0] == 'E'))
        text.back() = ' ';
    text += symbol;
    if (magnitude != 1) {
        text += '^';
        text += std::to_string(magnitude);
    }
    text += '.';
}

bool ReadInteger(std::string_view text, int32_t& value) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    text.remove_prefix(start);
    const bool plus = text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-'))
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

bool IsSymbolLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           ParserLetters.find(c) != std::u32string_view::npos;
}

int SplitTokens(std::string_view text, std::vector<TTokenRec>& tokens, TMessages& messages) {
    return SplitCodePoints(Decode(text), tokens, messages);
}

bool ParseUnits(std::string_view text, TUnitEntries& list, TMessages& messages) {
    list.clear();
    if (RefuseUnknownCharacter(text, messages))
        return false;
    std::vector<TTokenRec> tokens;
    {
        ExtraLettersScope extraLetters;
        SplitCodePoints(WithPlainPowers(text), tokens, messages);
    }
    if (Trim(text) == "1")
        return true;
    return NotationWalk(tokens, list, messages).Run();
}

std::string UnitListToText(const TUnitEntries& list) {
    int positive = 0;
    int negative = 0;
    for (const TUnitRec& unit : list) {
        positive += unit.Degree > 0;
        negative += unit.Degree < 0;
    }
    if (positive == 0 && negative == 0)
        return {};
    std::string text;
    if (positive > 0) {
        for (const TUnitRec& unit : list)
            if (unit.Degree > 0)
                AppendFactor(text, unit.Symbol, unit.Degree);
    } else {
        text = "1/";
    }
    if (negative > 0) {
        text.back() = '/';
        for (const TUnitRec& unit : list)
            if (unit.Degree < 0)
                AppendFactor(text, unit.Symbol, -static_cast<int64_t>(unit.Degree));
    }
    text.pop_back();
    return text;
}

std::string BaseExponentsToText(const std::array<int32_t, 7>& exponents) {
    TUnitEntries list;
    for (size_t i = 0; i < exponents.size(); ++i)
        list.push_back({std::string(BaseUnitSymbols[i]), exponents[i]});
    std::string text = UnitListToText(list);
    return text.empty() ? "1" : text;
}

TUnitRec StrToUnitRec(std::string_view text) {
    size_t separator = text.find('=');
    if (separator == std::string_view::npos)
        separator = text.find('^');
    if (separator == std::string_view::npos)
        return {std::string(text), 1};
    TUnitRec unit{std::string(text.substr(0, separator)), 1};
    int32_t degree = 0;
    if (ReadInteger(text.substr(separator + 1, MaxDegreeTextChars), degree))
        unit.Degree = degree;
    return unit;
}

std::string UnitRecToLine(const TUnitRec& rec) {
    return rec.Symbol + "=" + std::to_string(rec.Degree);
}

} // namespace varnel
