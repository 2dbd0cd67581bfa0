#pragma once

#include <QCache>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "platform/export.h"
#include "platform/ui/image_fetch.h"

namespace lanterncrest {

class ImageView;

// Puts remote images into image views. Each view shows its placeholder (an image of the host,
// see HostImages) at once, then the image of its URL: from memory, from the disk cache
// (HTTP freshness rules; an entry that does not read back whole counts as absent) or from the
// network. However many views ask for one URL, one request is in flight for it. An image is decoded
// at no more pixels than the views waiting for it can show (device pixels included), and the memory
// cache (a byte budget) keeps one copy per URL, sharp in every view that asked for it so far: a
// larger view loads the URL again rather than show that copy blurred. The newest call for a view
// wins: the answer of an older one never lands on it, and a call with no usable URL cancels what
// the view was waiting for. A body from the disk cache that does not decode leaves the cache and is
// fetched once more from the network; one from the network that does not decode leaves the
// placeholder. Only http and https are fetched, TLS is always verified, bodies and images are
// capped. Main thread only.
class LANTERNCREST_EXPORT ImageLoader : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString cacheDirectory; // empty: "<cache location>/lanterncrest/images"
        qint64 diskCacheBytes = 64 * 1024 * 1024;
        qint64 memoryCacheBytes = 64 * 1024 * 1024;
        ImageLimits limits;
    };

    // true when the view got the image, false when the load failed or was refused.
    using Completion = std::function<void(bool loaded)>;

    static ImageLoader &shared();

    explicit ImageLoader(Options options, QObject *parent = nullptr);
    ~ImageLoader() override;

    // Shows the placeholder named `placeholderName` (nothing when the host has none), or the
    // image itself at once when it is in memory, then loads `urlText`. Text that is empty or not
    // an absolute http(s) URL only shows the placeholder and cancels the view's pending load.
    // `completion` runs once, on the main thread, unless a newer call for the same view (or
    // the view's destruction) supersedes this one first.
    void setImage(ImageView *view, const QString &urlText, const QString &placeholderName,
                  Completion completion = {});

    // Forgets what the view was waiting for; its image stays as it is.
    void cancel(ImageView *view);

    void clearMemoryCache();
    int loadsInFlight() const { return int(m_inFlight.size()); }

private:
    struct Ticket
    {
        QString key;
        Completion completion;
    };
    struct Cached
    {
        QPixmap pixmap;
        // The view size (device pixels) it was scaled down for; absent when at the file's size.
        std::optional<QSize> reducedFor;
        bool isSharpIn(QSize viewPixels) const;
    };

    void start(const QString &key, const QUrl &url,
               ImageFetch::Source source = ImageFetch::Source::CacheOrNetwork);
    void finish(const QString &key, const FetchedBody &fetched);
    QPixmap decodeAndKeep(const QString &key, const QByteArray &body);
    void serve(const QString &key, const QPixmap &pixmap);
    void watch(ImageView *view);
    void forget(ImageView *view);
    bool anyoneWaitsFor(const QString &key) const;

    Options m_options;
    QNetworkAccessManager m_network;
    QCache<QString, Cached> m_memory;
    std::unordered_map<ImageView *, Ticket> m_tickets;
    std::unordered_map<QString, ImageFetch *> m_inFlight;
    std::unordered_set<ImageView *> m_watched;
};

} // namespace lanterncrest
