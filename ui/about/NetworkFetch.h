#pragma once

#include "ui/about/DescriptionFetch.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace varnel {

// The description fetched over http or https with a deadline for the whole
// transfer, a cap on the reply's size and at most a few redirects, none of
// them to another scheme or from https down to http.
class TNetworkFetch : public TDescriptionFetch {
    Q_OBJECT

public:
    static constexpr qint64 MaxReplyBytes = 256 * 1024;
    static constexpr int MaxRedirects = 3;
    static constexpr std::chrono::milliseconds DefaultTimeout{10000};

    explicit TNetworkFetch(QObject* parent = nullptr);
    ~TNetworkFetch() override;

    void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

    void Start(const QUrl& url) override;
    void Abort() override;

private:
    void Get(const QUrl& url);
    void ReplyHeaders();
    void ReplyReadable();
    void ReplyFinished();
    void Follow(const QUrl& target);
    void Fail();
    void DropReply();

    QNetworkAccessManager* manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    std::chrono::milliseconds timeout_ = DefaultTimeout;
    QUrl current_;
    QByteArray body_;
    int redirects_ = 0;
};

// Whether a redirect from one address to another may be followed.
bool RedirectAllowed(const QUrl& from, const QUrl& to);

} // namespace varnel
