#include "common/ProgramFolder.h"

#include <system_error>

namespace varnel {

namespace {

std::filesystem::path& Override() {
    static std::filesystem::path folder;
    return folder;
}

} // namespace

std::filesystem::path ProgramFile() {
    std::error_code ec;
#ifdef _WIN32
    return {};
#else
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
#endif
}

std::filesystem::path ProgramFolder() {
    if (!Override().empty())
        return Override();
    auto exe = ProgramFile();
    if (exe.empty())
        return std::filesystem::current_path();
    return exe.parent_path();
}

void SetProgramFolder(const std::filesystem::path& folder) { Override() = folder; }

} // namespace varnel
