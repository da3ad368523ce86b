#include "ui/about/NetworkFetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace varnel {

namespace {

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

bool RedirectAllowed(const QUrl& from, const QUrl& to) {
    if (!IsFetchableUrl(to))
        return false;
    return !(from.scheme().toLower() == "https" && to.scheme().toLower() == "http");
}

TNetworkFetch::TNetworkFetch(QObject* parent)
    : TDescriptionFetch(parent), manager_(new QNetworkAccessManager(this)) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &TNetworkFetch::Fail);
}

TNetworkFetch::~TNetworkFetch() {
    DropReply();
}

void TNetworkFetch::Start(const QUrl& url) {
    Abort();
    if (!IsFetchableUrl(url)) {
        // Reported from the event loop, as every other outcome.
        QTimer::singleShot(0, this, &TNetworkFetch::Failed);
        return;
    }
    redirects_ = 0;
    deadline_.start(timeout_);
    Get(url);
}

void TNetworkFetch::Abort() {
    deadline_.stop();
    DropReply();
}

void TNetworkFetch::Get(const QUrl& url) {
    DropReply();
    current_ = url;
    body_.clear();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = manager_->get(request);
    reply_->setReadBufferSize(MaxReplyBytes + 1);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &TNetworkFetch::ReplyHeaders);
    connect(reply_, &QNetworkReply::readyRead, this, &TNetworkFetch::ReplyReadable);
    connect(reply_, &QNetworkReply::finished, this, &TNetworkFetch::ReplyFinished);
}

void TNetworkFetch::ReplyHeaders() {
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > MaxReplyBytes)
        Fail();
}

void TNetworkFetch::ReplyReadable() {
    body_ += reply_->read(MaxReplyBytes + 1 - body_.size());
    if (body_.size() > MaxReplyBytes)
        Fail();
}

void TNetworkFetch::ReplyFinished() {
    QNetworkReply* reply = reply_;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (IsRedirect(status)) {
        Follow(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        return;
    }
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        Fail();
        return;
    }
    ReplyReadable();
    if (!reply_)
        return; // over the cap
    const QByteArray body = body_;
    Abort();
    emit Fetched(body);
}

void TNetworkFetch::Follow(const QUrl& target) {
    const QUrl next = current_.resolved(target);
    if (target.isEmpty() || ++redirects_ > MaxRedirects || !RedirectAllowed(current_, next)) {
        Fail();
        return;
    }
    Get(next);
}

void TNetworkFetch::Fail() {
    Abort();
    body_.clear();
    emit Failed();
}

void TNetworkFetch::DropReply() {
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

} // namespace varnel
