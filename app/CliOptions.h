#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::cli {

struct TCliOptions {
    bool Help = false;
    bool Version = false;
    std::filesystem::path DataFile; // empty: Varnel.unt in the program folder
    std::optional<int> Precision;
    bool List = false;
    std::string ListCategory; // empty: every domain and category
    std::optional<std::string> Search;
    bool Validate = false;
    std::filesystem::path ValidateFile;  // empty: the units data file
    bool ValidateAll = false;            // disabled categories and units too
    std::vector<std::string> Conversion; // QUANTITY TARGET, or nothing for batch mode
};

// Reads the command line (without the program name); raises Exception with a
// message for the user when it cannot.
TCliOptions ParseCliArguments(const std::vector<std::string>& arguments);

// The option lines of the help text.
std::string OptionsHelp();

} // namespace varnel::cli
