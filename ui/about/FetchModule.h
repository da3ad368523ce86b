#pragma once

#include <QStringList>

class QObject;

namespace varnel {

class TDescriptionFetch;

// The network fetch lives in a module of its own, loaded the first time a
// check runs: linked into the program, Qt Network and the libraries it pulls
// in would be loaded at every start, for a download made once a month.
class TFetchModule {
public:
    static constexpr const char* FileName = "varnel-fetch.so";
    // Exported by the module as
    // extern "C" TDescriptionFetch* VarnelNewNetworkFetch(QObject* parent).
    static constexpr const char* EntryName = "VarnelNewNetworkFetch";
    using TNewFetch = TDescriptionFetch* (*)(QObject* parent);

    // Beside the program (the build folder), then in the installed
    // lib/varnel/ beside its bin/.
    static QStringList ProgramFiles();

    explicit TFetchModule(QStringList files = ProgramFiles());

    // A network fetch owned by the parent from the first file that loads,
    // or null when none does.
    TDescriptionFetch* NewFetch(QObject* parent) const;

private:
    QStringList files_;
};

} // namespace varnel
