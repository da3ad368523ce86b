#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);
// Removes leading and trailing space characters only.
std::string TrimBlanks(std::string_view text);
bool IsBlank(std::string_view text);

std::string UpperCase(std::string_view text);
// Case-insensitive equality (ASCII letters fold; other characters compare exactly).
bool SameText(std::string_view a, std::string_view b);

// Index of the first word of the table equal to text without regard to case, or -1.
int IndexOfText(std::string_view text, std::span<const std::string_view> table);

// The text before the first "[" (all of it when there is none), trimmed, read
// as a number; a quiet NaN when it is not one.
double NumberBeforeBracket(std::string_view text);

// When text holds "[" and "]" with the first "[" before the first "]", text
// becomes what lies between them and the result is true; otherwise text
// becomes empty and the result is false.
bool TextInBrackets(std::string& text);

// Replaces every occurrence of `from` by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Splits a comma text: words separated by commas or whitespace; a word in
// double quotes may hold blanks and commas, a doubled quote inside it is one.
std::vector<std::string> SplitCommaText(std::string_view text);
std::string JoinCommaText(const std::vector<std::string>& words);

} // namespace varnel
