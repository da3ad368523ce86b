#include "common/FileLocations.h"

#include "common/ProgramFolder.h"

#include <cstdlib>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace varnel {

namespace {

constexpr const char* FolderName = "varnel";

// An environment folder counts only when it is an absolute path; anything
// else would land the files wherever the program was started from.
std::filesystem::path AbsoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value)
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path HomeFolder() {
#ifdef _WIN32
    std::filesystem::path home = AbsoluteFromEnvironment("USERPROFILE");
#else
    std::filesystem::path home = AbsoluteFromEnvironment("HOME");
#endif
    // Nowhere else to go: the writes then fail with a message naming the
    // program folder rather than scatter files into the current folder.
    return home.empty() ? ProgramFolder() : home;
}

std::filesystem::path UserFolder(const char* variable, const char* fallback) {
#ifdef _WIN32
    (void)variable;
    (void)fallback;
    std::filesystem::path base = AbsoluteFromEnvironment("APPDATA");
    if (base.empty())
        base = HomeFolder();
#else
    std::filesystem::path base = AbsoluteFromEnvironment(variable);
    if (base.empty())
        base = HomeFolder() / fallback;
#endif
    return base / FolderName;
}

bool FolderWritable(const std::filesystem::path& folder) {
#ifdef _WIN32
    (void)folder;
    return true;
#else
    return access(folder.c_str(), W_OK) == 0;
#endif
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace

std::filesystem::path InstalledDataFolder() {
    return (ProgramFolder() / ".." / "share" / FolderName).lexically_normal();
}

std::filesystem::path UserConfigFolder() {
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserDataFolder() {
    return UserFolder("XDG_DATA_HOME", ".local/share");
}

bool IsInstalledLayout() {
    std::error_code ec;
    return std::filesystem::is_directory(InstalledDataFolder(), ec);
}

bool IsPortable() {
    // Root may write anywhere, so writability alone would put files into
    // /usr/bin: the layout decides first.
    return !IsInstalledLayout() && FolderWritable(ProgramFolder());
}

std::vector<std::filesystem::path> DataSearchFolders() {
    return {ProgramFolder(), UserDataFolder(), InstalledDataFolder()};
}

std::filesystem::path FindDataFile(const std::string& name) {
    const auto folders = DataSearchFolders();
    for (const auto& folder : folders)
        if (Exists(folder / name))
            return folder / name;
    return (IsInstalledLayout() ? InstalledDataFolder() : ProgramFolder()) / name;
}

std::filesystem::path WritableFolder(TWritableKind kind) {
    if (IsPortable())
        return ProgramFolder();
    std::filesystem::path folder =
        kind == TWritableKind::Config ? UserConfigFolder() : UserDataFolder();
    // A folder that cannot be made shows up as the write's own error.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::filesystem::path WritableFile(TWritableKind kind, const std::string& name) {
    return WritableFolder(kind) / name;
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace varnel
