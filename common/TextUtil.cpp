#include "common/TextUtil.h"

#include "common/NumberSyntax.h"

#include <limits>

namespace varnel {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool IsCommaTextSeparator(char c) { return c == ',' || IsTrimmed(c); }

} // namespace

std::string Trim(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsTrimmed(text[first]))
        ++first;
    while (last > first && IsTrimmed(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

std::string TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool IsBlank(std::string_view text) { return Trim(text).empty(); }

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperAscii(c);
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    return true;
}

int IndexOfText(std::string_view text, std::span<const std::string_view> table) {
    for (size_t i = 0; i < table.size(); ++i)
        if (SameText(text, table[i]))
            return static_cast<int>(i);
    return -1;
}

double NumberBeforeBracket(std::string_view text) {
    std::string number = Trim(text.substr(0, text.find('[')));
    double value = 0;
    if (ReadNumber(number, value) == NumberRead::Ok)
        return value;
    return std::numeric_limits<double>::quiet_NaN();
}

bool TextInBrackets(std::string& text) {
    size_t open = text.find('[');
    size_t close = text.find(']');
    if (open == std::string::npos || close == std::string::npos || open > close) {
        text.clear();
        return false;
    }
    text = text.substr(open + 1, close - open - 1);
    return true;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t pos = text.find(from); pos != std::string_view::npos;
         pos = text.find(from, start)) {
        result.append(text.substr(start, pos - start));
        result.append(to);
        start = pos + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        while (i < n && IsCommaTextSeparator(text[i]))
            ++i;
        if (i == n)
            break;
        std::string word;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                word += text[i++];
            }
        } else {
            while (i < n && !IsCommaTextSeparator(text[i]))
                word += text[i++];
        }
        words.push_back(word);
    }
    return words;
}

std::string JoinCommaText(const std::vector<std::string>& words) {
    std::string result;
    for (const std::string& word : words) {
        if (!result.empty())
            result += ',';
        const bool quote = word.empty() || word.find_first_of(" ,\"") != std::string::npos;
        if (!quote) {
            result += word;
            continue;
        }
        result += '"';
        result += ReplaceAll(word, "\"", "\"\"");
        result += '"';
    }
    return result;
}

} // namespace varnel
