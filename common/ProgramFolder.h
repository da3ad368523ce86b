#pragma once

#include <filesystem>

namespace varnel {

// The folder of the running program, where the units data, settings, window
// size, log, help and abbreviation files lie.
std::filesystem::path ProgramFolder();

// Tests point the program folder at a temporary folder; an empty path goes
// back to the folder of the executable.
void SetProgramFolder(const std::filesystem::path& folder);

// The full path of the running executable (empty when it cannot be found).
std::filesystem::path ProgramFile();

} // namespace varnel
