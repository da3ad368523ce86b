#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Files on disk are Windows-1252; text in memory is UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);
void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);

enum class Unencodable {
    Refuse,            // raise Exception naming the character
    CharacterReference // write it as &#NNN; (only valid inside XML text)
};
std::string Utf8ToWindows1252(std::string_view utf8, Unencodable policy = Unencodable::Refuse);

// Next code point of a UTF-8 text at pos, advancing pos; a byte that does not
// start a valid sequence is taken as the Windows-1252 character it encodes.
char32_t NextCodePoint(std::string_view utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace varnel
