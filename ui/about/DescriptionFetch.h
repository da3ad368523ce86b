#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>

namespace varnel {

// Fetches the published program description in the background. Exactly one
// of Fetched and Failed follows every Start, unless Abort comes first.
class TDescriptionFetch : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void Start(const QUrl& url) = 0;
    virtual void Abort() = 0;

signals:
    void Fetched(const QByteArray& body);
    void Failed();
};

// An address the fetch may start at: http or https with a host. Inline, as
// both the program and the fetch module use it.
inline bool IsFetchableUrl(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty();
}

} // namespace varnel
