#pragma once

#include <filesystem>
#include <ostream>

namespace varnel::cli {

// Validates a units data file: one line per problem on out (the message and
// the category or unit it concerns), failures to read the file on err.
// Returns 0 when the file passed, 1 otherwise. With enabledOnly false,
// disabled categories and units are validated too.
int RunValidation(const std::filesystem::path& file, bool enabledOnly, std::ostream& out,
                  std::ostream& err);

} // namespace varnel::cli
