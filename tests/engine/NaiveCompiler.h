#pragma once

#include "engine/NameTable.h"
#include "engine/OpList.h"

#include <string>

namespace varnel::test {

// The compiler written out literally, step by step on strings, with no
// remembered outcomes: slow, and the yardstick for the real one. Gives the
// program as a listing (see ProgramListing) or "error: " and the message.
// Returns "too expensive" when the text needs more than `budget` tests.
std::string NaiveCompile(const std::string& text, const TVariableTable& variables,
                         const TFunctionTable& functions1, const TFunctionTable& functions2,
                         long budget);

// One line per operation in running order: its kind code and its operands
// (a variable's name, a constant's value, or the number of the operation
// whose result it reads), then the cell holding the value.
std::string ProgramListing(const TOpList& program, const TVariableTable& variables);

} // namespace varnel::test
