#pragma once

#include <string_view>

namespace varnel {

enum class NumberRead { Ok, NotANumber, Overflow };

// The one reader of numbers in the system (expressions, unit-notation tokens,
// the number before a quantity's brackets): an optional sign followed by at
// least one more character: digits, optionally "." and digits, optionally "E"
// or "e", an optional sign and at least one digit. Empty digit runs count as
// zero ("5.", ".5", "." and "E5" are numbers). The point is always the decimal
// separator, whatever the locale. The text is taken as it is, not trimmed.
// A value too large for a double gives Overflow; one too small reads as 0.
NumberRead ReadNumber(std::string_view text, double& value);

// True when the text follows the number syntax (whatever its magnitude).
bool IsNumberText(std::string_view text);

} // namespace varnel
