#pragma once

#include "units/Cats.h"

#include <ostream>
#include <string_view>

namespace varnel::cli {

// Every enabled domain with its categories and their units.
void ListAllUnits(const TCats& units, std::ostream& out);

// The units of one category with what each converts by; raises ECliError
// when no category has that name.
void ListCategory(const TCats& units, std::string_view name, std::ostream& out);

// The units that match a search word, each with its category; raises
// ECliError when none does.
void ListMatchingUnits(const TCats& units, std::string_view word, std::ostream& out);

} // namespace varnel::cli
