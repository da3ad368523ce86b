#pragma once

#include <QByteArray>
#include <QObject>

class QUrl;

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

} // namespace varnel
