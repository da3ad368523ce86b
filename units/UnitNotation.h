#pragma once

#include "common/Messages.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// One factor of a quantity: a unit symbol and its integer degree (negative in
// the denominator).
struct TUnitRec {
    std::string Symbol;
    int32_t Degree = 1;
    bool operator==(const TUnitRec&) const = default;
};

// The parsed factors of a unit notation, in order of writing (the
// "symbol=degree" lines of the notation parser).
using TUnitEntries = std::vector<TUnitRec>;

enum TTokenKind : uint8_t { tkOther = 0, tkNumber = 1, tkWord = 2, tkOperator = 3 };

struct TTokenRec {
    int StartPos = 0;      // 1-based position of the first character, in code points
    int TokenLength = 0;   // length of TokenText, in code points
    std::string TokenText; // at most 20 characters
    double TokenValue = 0;
    TTokenKind TokenKind = tkOther;
};

constexpr int MaxTokens = 100;

// More than MaxTokens tokens add a message and keep the first MaxTokens.
// A character that may start a unit symbol as the notation reads it: an
// ASCII letter, "_", or one of the few others symbols are typed with (°, Å,
// µ, Greek mu, Omega, the ohm sign). Digits may follow it in a symbol.
bool IsSymbolLetter(char32_t c);

int SplitTokens(std::string_view text, std::vector<TTokenRec>& tokens, TMessages& messages);

// True when text is a valid unit notation; on false the reason has been added
// to `messages` and `list` keeps the entries read before the fault.
bool ParseUnits(std::string_view text, TUnitEntries& list, TMessages& messages);

std::string UnitListToText(const TUnitEntries& list);
std::string BaseExponentsToText(const std::array<int32_t, 7>& exponents);

// Reads "symbol=degree" or "symbol^degree" (degree 1 when absent or unreadable).
TUnitRec StrToUnitRec(std::string_view text);
// The "symbol=degree" line of a factor.
std::string UnitRecToLine(const TUnitRec& rec);

} // namespace varnel
