#include "platform/ui/image_fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace lanterncrest {

ImageFetch::ImageFetch(QNetworkAccessManager& network, const QUrl& url, const ImageLimits& limits,
                       QObject* parent)
    : QObject(parent)
    , limits_(limits)
{
    QNetworkRequest request(url);
    // Cached copies are used while fresh and revalidated with the server once stale.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(int(limits_.idleTimeout.count()));
    reply_ = network.get(request);
    reply_->setParent(this);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits_.maxBodyBytes)
            fail();
    });
    connect(reply_, &QNetworkReply::readyRead, this, &ImageFetch::collect);
    connect(reply_, &QNetworkReply::finished, this, &ImageFetch::complete);
    // A body that keeps trickling in never trips the idle time-out.
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &ImageFetch::fail);
    deadline_.start(limits_.totalTimeout);
}

ImageFetch::~ImageFetch()
{
    if (!done_) {
        done_ = true;
        reply_->abort();
    }
}

void ImageFetch::abort()
{
    fail();
}

void ImageFetch::collect()
{
    if (done_)
        return;
    // Read as it comes: after an abort the reply has nothing left to read.
    body_ += reply_->readAll();
    if (body_.size() > limits_.maxBodyBytes)
        fail();
}

void ImageFetch::complete()
{
    if (done_)
        return;
    collect();
    if (done_)
        return;
    done_ = true;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = reply_->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    emit finished(ok ? body_ : QByteArray());
}

void ImageFetch::fail()
{
    if (done_)
        return;
    done_ = true;
    // abort() emits the reply's finished() right away; done_ makes complete() ignore it.
    reply_->abort();
    body_.clear();
    emit finished(QByteArray());
}

} // namespace lanterncrest
