#include "ui/options/KeyValueLines.h"

#include "common/TextFile.h"
#include "common/TextUtil.h"

#include <charconv>

namespace varnel {

int TKeyValueLines::IndexOfKey(std::string_view key) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const size_t eq = lines_[i].find('=');
        if (eq != std::string::npos && SameText(std::string_view(lines_[i]).substr(0, eq), key))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> TKeyValueLines::Value(std::string_view key) const {
    const int i = IndexOfKey(key);
    if (i < 0)
        return std::nullopt;
    const std::string& line = lines_[static_cast<size_t>(i)];
    return line.substr(line.find('=') + 1);
}

std::optional<int> TKeyValueLines::ReadInteger(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    if (digits.empty() || (digits.front() == '-' && trimmed.front() == '+'))
        return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

int TKeyValueLines::IntValue(std::string_view key, int def) const {
    const std::optional<std::string> text = Value(key);
    if (!text)
        return def;
    return ReadInteger(*text).value_or(def);
}

void TKeyValueLines::Append(std::string_view key, std::string_view value) {
    lines_.push_back(std::string(key) + "=" + std::string(value));
}

void TKeyValueLines::SetValue(std::string_view key, std::string_view value) {
    const int i = IndexOfKey(key);
    if (i < 0) {
        Append(key, value);
        return;
    }
    std::string& line = lines_[static_cast<size_t>(i)];
    line = line.substr(0, line.find('=') + 1) + std::string(value);
}

bool TKeyValueLines::LoadFromFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return false;
    const std::string text = ReadTextFile(file);
    lines_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines_.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return true;
}

void TKeyValueLines::SaveToFile(const std::filesystem::path& file) const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    WriteTextFile(text, file);
}

} // namespace varnel
