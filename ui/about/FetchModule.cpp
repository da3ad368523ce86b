#include "ui/about/FetchModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <utility>

namespace varnel {

QStringList TFetchModule::ProgramFiles() {
    const QDir folder(QCoreApplication::applicationDirPath());
    return {folder.filePath(FileName),
            QDir::cleanPath(folder.filePath(QString("../lib/varnel/") + FileName))};
}

TFetchModule::TFetchModule(QStringList files) : files_(std::move(files)) {}

TDescriptionFetch* TFetchModule::NewFetch(QObject* parent) const {
    for (const QString& file : files_) {
        if (!QFileInfo(file).isFile())
            continue;
        // Stays loaded: the fetch it makes may outlive this call.
        QLibrary module(file);
        const auto newFetch = reinterpret_cast<TNewFetch>(module.resolve(EntryName));
        if (newFetch)
            return newFetch(parent);
    }
    return nullptr;
}

} // namespace varnel
