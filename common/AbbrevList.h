#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varnel {

struct Abbrev {
    std::string Name;
    std::string Value;
};

// The process-wide abbreviation list: name=value lines of "abrv.lst" in the
// program folder, empty without the file.
const std::vector<Abbrev>& AbbrevList();
void SetAbbrevList(std::vector<Abbrev> list);
// Counts the changes of the list, for those who keep what they derived
// from it.
int AbbrevListGeneration();
// Reads the list from a file (an empty list when it does not exist).
void LoadAbbrevList(const std::filesystem::path& file);
std::vector<Abbrev> ParseAbbrevLines(const std::string& text);

} // namespace varnel
