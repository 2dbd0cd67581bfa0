#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "platform/http/session_configuration.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace lanterncrest {

// What an image download may cost: the body and the decoded image are capped so that a hostile
// or broken answer cannot exhaust memory, and the time is capped so that none hangs. The body
// cap and the whole download's deadline are the session's own; tests shorten them.
struct ImageLimits
{
    qint64 maxBodyBytes = SessionConfiguration().maximumBodySize;
    qint64 maxPixels = 4096LL * 4096;
    // The longest quiet spell, and the longest the whole download may take.
    std::chrono::milliseconds idleTimeout = std::chrono::seconds(30);
    std::chrono::milliseconds totalTimeout = SessionConfiguration().resourceTimeout;
};

// What a download ends with.
struct FetchedBody
{
    QByteArray bytes; // empty on any failure
    // The disk cache entry the bytes were read from; empty when they came from the network.
    QUrl cacheEntry;
};

// One image download: GET, body collected under the cap within the deadlines, 2xx only.
// Ends with exactly one finished() (empty bytes on any failure), abort() included. The
// body is decoded by whoever knows the views it goes to (see decodeImage).
class ImageFetch : public QObject
{
    Q_OBJECT
public:
    enum class Source {
        CacheOrNetwork, // a fresh cached copy, else the network (revalidating a stale copy)
        NetworkOnly, // the network, whatever the cache holds
    };

    ImageFetch(QNetworkAccessManager &network, const QUrl &url, const ImageLimits &limits,
               Source source = Source::CacheOrNetwork, QObject *parent = nullptr);
    ~ImageFetch() override;

    void abort();

signals:
    void finished(const lanterncrest::FetchedBody &body);

private:
    void collect();
    void complete();
    void fail();

    QNetworkReply *m_reply;
    ImageLimits m_limits;
    QByteArray m_body;
    QTimer m_deadline;
    bool m_done = false;
};

} // namespace lanterncrest
