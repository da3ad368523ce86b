#include "convert/QuantityCheck.h"

#include "common/Exception.h"
#include "common/Messages.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "engine/GlobalParser.h"

#include <cctype>
#include <cmath>

namespace varnel {

namespace {

bool IsWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool IsWordChar(char c) {
    return IsWordStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The parser's variables hold whatever the last rule left in them: a value
// that names one would be a made-up number. Functions are welcome.
bool NamesAVariable(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (!IsWordStart(text[i])) {
            // An exponent ("1E5", "2.5e-3") belongs to its number.
            const bool number =
                std::isdigit(static_cast<unsigned char>(text[i])) != 0 || text[i] == '.';
            ++i;
            while (number && i < text.size() && (IsWordChar(text[i]) || text[i] == '.'))
                ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && IsWordChar(text[end]))
            ++end;
        if (end >= text.size() || text[end] != '(')
            return true;
        i = end;
    }
    return false;
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t')
            kept += c;
    return kept;
}

// A number followed by words: the units were written without brackets.
bool LooksLikeUnbracketedUnits(std::string_view value) {
    const size_t blank = value.find(' ');
    if (blank == std::string_view::npos)
        return false;
    const std::string number = Trim(value.substr(0, blank));
    const std::string rest = Trim(value.substr(blank));
    return IsNumberText(number) && !rest.empty() && IsWordStart(rest.front());
}

// The 1-based character position of a unit symbol in the bracket.
size_t SymbolPosition(std::string_view quantity, size_t open, const std::string& symbol) {
    const size_t at = quantity.find(symbol, open);
    const size_t bytes = at == std::string_view::npos ? open + 1 : at;
    size_t characters = 0;
    for (size_t i = 0; i < bytes; ++i)
        if ((static_cast<unsigned char>(quantity[i]) & 0xC0) != 0x80)
            ++characters;
    return characters + 1;
}

} // namespace

bool ParseQuantityUnits(std::string_view quantity, TUnitEntries& entries, std::string& problem) {
    std::string notation(quantity);
    TextInBrackets(notation);
    TMessages messages;
    const bool parsed = ParseUnits(notation, entries, messages);
    if (!messages.empty())
        problem = messages.front();
    return parsed;
}

TTypedValue ReadTypedValue(std::string_view text) {
    const std::string value = WithoutBlanks(text);
    if (value.empty())
        return {false, 0, "No value."};
    if (IsNumberText(value))
        return {true, NumberBeforeBracket(value), {}};
    const std::string notANumber = "Not a number: " + Trim(text) + ".";
    if (NamesAVariable(value))
        return {false, 0, notANumber};
    try {
        TParser& parser = GlobalParser();
        parser.SetExpression(value);
        const double result = static_cast<double>(parser.Value());
        if (!std::isfinite(result))
            return {false, 0, notANumber};
        return {true, result, {}};
    } catch (const EMathError& error) {
        return {false, 0, Trim(text) + ": " + error.Message()};
    } catch (const std::exception&) {
        return {false, 0, notANumber};
    }
}

std::string QuantityProblem(std::string_view quantity) {
    const size_t open = quantity.find('[');
    const std::string value = Trim(quantity.substr(0, open));
    const std::string inBrackets =
        "Write the units of the quantity in brackets, for example 36 [km/h].";
    if (open == std::string_view::npos) {
        if (value.empty())
            return {};
        if (LooksLikeUnbracketedUnits(value))
            return inBrackets;
        const TTypedValue typed = ReadTypedValue(value);
        return typed.Ok ? std::string() : typed.Problem;
    }
    const size_t close = quantity.find(']', open);
    if (close == std::string_view::npos)
        return "The closing bracket ] is missing.";
    const std::string after = Trim(quantity.substr(close + 1));
    if (!after.empty())
        return "Text after the closing bracket: " + after;
    if (LooksLikeUnbracketedUnits(value))
        return inBrackets;
    if (!value.empty()) {
        const TTypedValue typed = ReadTypedValue(value);
        if (!typed.Ok)
            return typed.Problem;
    }
    TUnitEntries entries;
    std::string problem;
    ParseQuantityUnits(quantity, entries, problem);
    return problem;
}

std::string UnknownUnitProblem(std::string_view quantity, const TConvert& units) {
    TUnitEntries entries;
    std::string problem;
    if (!ParseQuantityUnits(quantity, entries, problem))
        return {};
    return UnknownUnitProblem(quantity, entries, units);
}

std::string UnknownUnitProblem(std::string_view quantity, const TUnitEntries& entries,
                               const TConvert& units) {
    for (const TUnitRec& entry : entries) {
        int cat = -1;
        int unit = -1;
        if (!units.LookUpUnit(entry.Symbol, cat, unit))
            return "Unknown unit " + entry.Symbol + " at character " +
                   std::to_string(SymbolPosition(quantity, quantity.find('['), entry.Symbol)) + ".";
    }
    return {};
}

} // namespace varnel
