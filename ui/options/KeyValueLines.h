#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The lines of a settings-style file, each "key=value". A key is found in the
// first line whose text before its first "=" equals it without regard to
// case; the value is the rest of that line.
class TKeyValueLines {
public:
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }
    void Clear() { lines_.clear(); }

    int IndexOfKey(std::string_view key) const;
    std::optional<std::string> Value(std::string_view key) const;
    // A missing value, or one that is not a decimal integer, gives def.
    int IntValue(std::string_view key, int def) const;

    void Append(std::string_view key, std::string_view value);
    // Changes the first line with the key, or appends one.
    void SetValue(std::string_view key, std::string_view value);

    // Replaces the lines by those of the file; false, with the lines kept,
    // when there is no such file.
    bool LoadFromFile(const std::filesystem::path& file);
    void SaveToFile(const std::filesystem::path& file) const;

    static std::optional<int> ReadInteger(std::string_view text);

private:
    std::vector<std::string> lines_;
};

} // namespace varnel
