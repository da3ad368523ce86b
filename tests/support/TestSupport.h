#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varnel::test {

// A fresh temporary folder, removed with the object; also serves as the
// program folder while alive when asked to.
class TempFolder {
public:
    explicit TempFolder(bool asProgramFolder = false);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    bool programFolder_;
};

std::filesystem::path FixturePath(const std::string& name);
std::filesystem::path ShippedDataPath(const std::string& name);
// The raw bytes of a file.
std::string ReadBytes(const std::filesystem::path& file);
// Creates the folders on the way.
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

} // namespace varnel::test
