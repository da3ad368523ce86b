#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// One recorded conversion as its four cells: time, source, "  =  ", target,
// with the blanks around the texts that the grid shows.
constexpr int LogColumnCount = 4;
using TLogRow = std::array<std::string, LogColumnCount>;

// The log file in the program folder.
std::filesystem::path LogFilePath();

// One row per line, newest first; the cells of a line are separated by TAB.
// A missing or empty file gives no rows. Only the first maxRows lines are
// read, so a huge log costs no more than a full one.
std::vector<TLogRow> ReadLogFile(const std::filesystem::path& file,
                                 std::size_t maxRows = std::size_t(-1));
// Replaces the file at once (through a temporary file), every row a line.
void WriteLogFile(const std::vector<TLogRow>& rows, const std::filesystem::path& file);

// The file is Windows-1252: a character it cannot hold (an ohm sign pasted
// into the value line) is written as &#NNN; and read back as itself, and a
// typed "&#" is written as "&#38;#" so that it comes back unchanged.
std::string EncodeLogText(std::string_view utf8);
std::string DecodeLogText(std::string_view text);

} // namespace varnel
