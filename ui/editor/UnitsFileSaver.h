#pragma once

#include <filesystem>
#include <string>

namespace varnel {

// Writes a units data text (UTF-8) as the Windows-1252 file with CR LF line
// ends: into a unique temporary file beside the target, flushed, then renamed
// over it. A failure raises Exception with the place and the reason, and the
// old file stays as it was.
void SaveUnitsFile(const std::string& text, const std::filesystem::path& file);

// The backup beside a file: the file's name followed by ".bak".
std::filesystem::path BackupFileOf(const std::filesystem::path& file);
// Copies an existing file to its backup, replacing an older backup; raises
// Exception with the place and the reason when that fails.
void KeepBackup(const std::filesystem::path& file);

} // namespace varnel
