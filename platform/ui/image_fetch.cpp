#include "platform/ui/image_fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace lanterncrest {

ImageFetch::ImageFetch(QNetworkAccessManager &network, const QUrl &url, const ImageLimits &limits,
                       Source source, QObject *parent)
    : QObject(parent),
      m_limits(limits)
{
    QNetworkRequest request(url);
    // Cached copies are used while fresh and revalidated with the server once stale.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         source == Source::NetworkOnly ? QNetworkRequest::AlwaysNetwork
                                                       : QNetworkRequest::PreferNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(int(m_limits.idleTimeout.count()));
    m_reply = network.get(request);
    m_reply->setParent(this);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.maxBodyBytes)
            fail();
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &ImageFetch::collect);
    connect(m_reply, &QNetworkReply::finished, this, &ImageFetch::complete);
    // A body that keeps trickling in never trips the idle time-out.
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &ImageFetch::fail);
    m_deadline.start(m_limits.totalTimeout);
}

ImageFetch::~ImageFetch()
{
    if (!m_done) {
        m_done = true;
        m_reply->abort();
    }
}

void ImageFetch::abort()
{
    fail();
}

void ImageFetch::collect()
{
    if (m_done)
        return;
    // Read as it comes: after an abort the reply has nothing left to read.
    m_body += m_reply->readAll();
    if (m_body.size() > m_limits.maxBodyBytes)
        fail();
}

void ImageFetch::complete()
{
    if (m_done)
        return;
    collect();
    if (m_done)
        return;
    m_done = true;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = m_reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    if (!ok) {
        emit finished({});
        return;
    }
    const bool fromCache = m_reply->attribute(QNetworkRequest::SourceIsFromCacheAttribute).toBool();
    emit finished({ m_body, fromCache ? m_reply->url() : QUrl() });
}

void ImageFetch::fail()
{
    if (m_done)
        return;
    m_done = true;
    // abort() emits the reply's finished() right away; m_done makes complete() ignore it.
    m_reply->abort();
    m_body.clear();
    emit finished({});
}

} // namespace lanterncrest
