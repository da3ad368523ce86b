#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace varnel {

constexpr std::uintmax_t MaxTextFileBytes = 64u << 20;
constexpr std::size_t AllLines = static_cast<std::size_t>(-1);

// The text of a Windows-1252 file as UTF-8, every line followed by CR LF,
// up to its first maxLines lines; empty text when the file does not exist.
// Raises Exception for anything but a regular file (a folder, a FIFO: never
// waited on), for a file over MaxTextFileBytes and for a read error.
std::string ReadTextFile(const std::filesystem::path& file, std::size_t maxLines = AllLines);

// Writes the UTF-8 text as Windows-1252, replacing the file atomically
// through a temporary file of its own in the same folder, with CR LF after
// every line (CR LF, LF and CR all end a line in the text). A character that
// Windows-1252 cannot hold is refused with an Exception and the file is left
// as it was; WriteXmlTextFile writes such a character as &#NNN; instead.
void WriteTextFile(const std::string& text, const std::filesystem::path& file);
void WriteXmlTextFile(const std::string& text, const std::filesystem::path& file);

// Splits a text into lines at CR LF, LF or CR.
std::string NormalizeLineEnds(std::string_view text);

} // namespace varnel
