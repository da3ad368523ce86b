#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varnel {

// Where the programs find their files. Run from a folder of their own (the
// build folder, an unpacked archive) they keep everything beside the program;
// installed (bin/ beside share/varnel/) they read the shipped files from
// share/varnel/ and write into the user's own folders.

enum class TWritableKind {
    Config, // settings and window size: $XDG_CONFIG_HOME/varnel
    Data,   // log, program description, the user's own units data: $XDG_DATA_HOME/varnel
};

// share/varnel/ next to the program's bin/ folder.
std::filesystem::path InstalledDataFolder();
// $XDG_CONFIG_HOME/varnel, by default ~/.config/varnel.
std::filesystem::path UserConfigFolder();
// $XDG_DATA_HOME/varnel, by default ~/.local/share/varnel.
std::filesystem::path UserDataFolder();

// True when the program is installed: its data lies in share/varnel/.
bool IsInstalledLayout();
// True when writable files stay beside the program: its folder can be
// written and it is not an installed layout.
bool IsPortable();

// The folders searched for a shipped file, first match wins: beside the
// program, the user's data folder, the installed data folder.
std::vector<std::filesystem::path> DataSearchFolders();
// The first of those folders that holds a file or folder of this name; when
// none does, where the shipped copy belongs (beside the program, or in
// share/varnel/ when installed).
std::filesystem::path FindDataFile(const std::string& name);

// A regular file is there: a folder, a missing or an empty path is not.
bool FileExists(const std::filesystem::path& path);

// The folder a writable file goes into, made when it does not exist yet.
std::filesystem::path WritableFolder(TWritableKind kind);
std::filesystem::path WritableFile(TWritableKind kind, const std::string& name);

} // namespace varnel
