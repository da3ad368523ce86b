#include "ui/editor/UnitsFileSaver.h"

#include "common/Exception.h"
#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "ui/common/StdText.h"

#include <QSaveFile>

#include <system_error>

namespace varnel {

namespace {

[[noreturn]] void RaiseSaveError(const std::filesystem::path& file, const std::string& reason) {
    throw Exception("Cannot save the units data file \"" + file.string() + "\": " + reason +
                    ".\nThe file was not changed.");
}

} // namespace

void SaveUnitsFile(const std::string& text, const std::filesystem::path& file) {
    const std::string bytes =
        Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::CharacterReference);
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly))
        RaiseSaveError(file, StdText(out.errorString()));
    if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const std::string reason = StdText(out.errorString());
        out.cancelWriting();
        RaiseSaveError(file, reason);
    }
    if (!out.commit())
        RaiseSaveError(file, StdText(out.errorString()));
}

std::filesystem::path BackupFileOf(const std::filesystem::path& file) {
    std::filesystem::path backup = file;
    backup += ".bak";
    return backup;
}

void KeepBackup(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::copy_file(file, BackupFileOf(file),
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        throw Exception("Cannot keep the backup \"" + BackupFileOf(file).string() + "\": " +
                        ec.message() + ".\nThe file \"" + file.string() + "\" was not changed.");
}

} // namespace varnel
