#include "support/TestSupport.h"

#include "common/ProgramFolder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace varnel::test {

TempFolder::TempFolder(bool asProgramFolder) : programFolder_(asProgramFolder) {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("varnel-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
             std::to_string(random()));
    std::filesystem::create_directories(path_);
    if (programFolder_)
        SetProgramFolder(path_);
}

TempFolder::~TempFolder() {
    if (programFolder_)
        SetProgramFolder({});
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path FixturePath(const std::string& name) {
    return std::filesystem::path(VARNEL_TEST_DATA_DIR) / name;
}

std::filesystem::path ShippedDataPath(const std::string& name) {
    return std::filesystem::path(VARNEL_DATA_DIR) / name;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace varnel::test
