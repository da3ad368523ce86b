#pragma once

#include <filesystem>
#include <string>

namespace varnel {

// The whole text of a Windows-1252 file as UTF-8, every line followed by
// CR LF; empty text when the file does not exist.
std::string ReadTextFile(const std::filesystem::path& file);

// Writes the UTF-8 text as Windows-1252, replacing the file, with CR LF after
// every line (CR LF, LF and CR all end a line in the text). A character that
// Windows-1252 cannot hold is refused with an Exception and the file is left
// as it was; WriteXmlTextFile writes such a character as &#NNN; instead.
void WriteTextFile(const std::string& text, const std::filesystem::path& file);
void WriteXmlTextFile(const std::string& text, const std::filesystem::path& file);

// Splits a text into lines at CR LF, LF or CR.
std::string NormalizeLineEnds(std::string_view text);

} // namespace varnel
