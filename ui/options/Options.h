#pragma once

#include "ui/options/KeyValueLines.h"
#include "ui/options/UOpts.h"

#include <QObject>

#include <filesystem>
#include <string>

namespace varnel {

// The converter's options: the lines of the settings file, owned by the
// application and read by every part of the program; the options window
// edits a copy and hands it back. Whenever the lines change, the precision
// is pushed to FormatValue and Changed is emitted.
class TOptions : public QObject {
    Q_OBJECT

public:
    explicit TOptions(QObject* parent = nullptr);

    // The application's options, made on first use and owned by the
    // application object.
    static TOptions& Application();

    // Where the settings are saved.
    static std::filesystem::path SettingsFileName();
    // Where they are read from: the saved file, or before the first save the
    // defaults shipped with an installed program.
    static std::filesystem::path SettingsFileToRead();

    const TKeyValueLines& Settings() const { return settings_; }
    // The record of the lines. A units file that does not exist is reported
    // and replaced by the default one, in memory only.
    TUOpts Read();
    // The record as the lines give it, without the units file check.
    TUOpts ReadUnchecked() const;

    // Starts afresh from the settings file: without one every option takes
    // its default; a file that cannot be read is reported, and the defaults
    // hold too.
    void Load();
    // Settings file to lines again; without a file the lines are kept.
    // Throws when the file cannot be read.
    void Reload();
    // Lines to settings file; throws when it cannot be written.
    void Save(const TKeyValueLines& settings);
    // Puts a units file name back into the lines and the settings file.
    void StoreUnitFile(const std::string& name);

signals:
    void Changed();

private:
    void LinesChanged();

    TKeyValueLines settings_;
};

// The application's options record.
TUOpts GetOptions();

} // namespace varnel
