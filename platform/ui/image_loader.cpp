#include "platform/ui/image_loader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QtMath>
#include <vector>

#include "platform/http/http_url.h"
#include "platform/ui/host_images.h"
#include "platform/ui/image_decoding.h"
#include "platform/ui/image_view.h"
#include "platform/ui/verified_disk_cache.h"

namespace lanterncrest {

namespace {

// What the view can show: its size in device pixels.
QSize devicePixels(const QWidget &view)
{
    const qreal ratio = view.devicePixelRatioF();
    return QSize(qCeil(view.width() * ratio), qCeil(view.height() * ratio));
}

// The memory cache counts in KiB.
int costOf(const QPixmap &pixmap)
{
    return int(qint64(pixmap.width()) * pixmap.height() * std::max(pixmap.depth(), 8) / 8 / 1024
               + 1);
}

QString defaultCacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
            + QStringLiteral("/lanterncrest/images");
}

} // namespace

ImageLoader &ImageLoader::shared()
{
    // Goes with the application, before Qt's network internals do.
    static QPointer<ImageLoader> instance;
    if (!instance)
        instance = new ImageLoader(Options{}, QCoreApplication::instance());
    return *instance;
}

ImageLoader::ImageLoader(Options options, QObject *parent)
    : QObject(parent),
      m_options(std::move(options)),
      m_memory(int(std::min<qint64>(m_options.memoryCacheBytes / 1024, INT_MAX)))
{
    auto *disk = new VerifiedDiskCache(&m_network);
    disk->setCacheDirectory(m_options.cacheDirectory.isEmpty() ? defaultCacheDirectory()
                                                               : m_options.cacheDirectory);
    disk->setMaximumCacheSize(m_options.diskCacheBytes);
    m_network.setCache(disk);
}

ImageLoader::~ImageLoader()
{
    // Downloads end before the network manager they run on, finished ones included.
    m_tickets.clear();
    m_inFlight.clear();
    qDeleteAll(findChildren<ImageFetch *>(Qt::FindDirectChildrenOnly));
}

void ImageLoader::setImage(ImageView *view, const QString &urlText, const QString &placeholderName,
                           Completion completion)
{
    if (!view)
        return;
    forget(view);
    const auto url = httpUrl(urlText);
    if (!url) {
        view->setImage(HostImages::named(placeholderName));
        if (completion)
            completion(false);
        return;
    }
    const QString key = url->toString(QUrl::FullyEncoded);
    if (const Cached *cached = m_memory.object(key);
        cached && cached->isSharpIn(devicePixels(*view))) {
        view->setImage(cached->pixmap);
        if (completion)
            completion(true);
        return;
    }
    view->setImage(HostImages::named(placeholderName));
    watch(view);
    m_tickets[view] = Ticket{ key, std::move(completion) };
    if (!m_inFlight.contains(key))
        start(key, *url);
}

void ImageLoader::cancel(ImageView *view)
{
    forget(view);
}

void ImageLoader::clearMemoryCache()
{
    m_memory.clear();
}

void ImageLoader::start(const QString &key, const QUrl &url, ImageFetch::Source source)
{
    auto *fetch = new ImageFetch(m_network, url, m_options.limits, source, this);
    m_inFlight[key] = fetch;
    connect(fetch, &ImageFetch::finished, this,
            [this, key](const FetchedBody &fetched) { finish(key, fetched); });
}

void ImageLoader::finish(const QString &key, const FetchedBody &fetched)
{
    if (const auto found = m_inFlight.find(key); found != m_inFlight.end()) {
        found->second->deleteLater();
        m_inFlight.erase(found);
    }
    if (!anyoneWaitsFor(key))
        return;
    const QPixmap pixmap = decodeAndKeep(key, fetched.bytes);
    // A cached body that reads back whole yet is no image would stand in for it until stale. The
    // network's answer is never from the cache, so a bad one there ends the load.
    if (pixmap.isNull() && !fetched.cacheEntry.isEmpty()) {
        m_network.cache()->remove(fetched.cacheEntry);
        start(key, QUrl::fromEncoded(key.toLatin1()), ImageFetch::Source::NetworkOnly);
        return;
    }
    serve(key, pixmap);
}

// Null when the body is no image (or none at all).
QPixmap ImageLoader::decodeAndKeep(const QString &key, const QByteArray &body)
{
    if (body.isEmpty())
        return {};
    QSize bound;
    for (const auto &[view, ticket] : m_tickets) {
        if (ticket.key == key)
            bound = bound.expandedTo(devicePixels(*view));
    }
    // The new copy replaces the cached one, so it must stay sharp where that one was.
    if (const Cached *cached = m_memory.object(key); cached && cached->reducedFor)
        bound = bound.expandedTo(*cached->reducedFor);
    DecodedImage decoded = decodeImage(body, m_options.limits.maxPixels, bound);
    if (decoded.image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
    m_memory.insert(key,
                    new Cached{ pixmap, decoded.reduced ? std::optional(bound) : std::nullopt },
                    costOf(pixmap));
    return pixmap;
}

void ImageLoader::serve(const QString &key, const QPixmap &pixmap)
{
    // Completions may start new loads: settle every waiting view first, then tell them.
    std::vector<std::pair<ImageView *, Completion>> served;
    for (auto it = m_tickets.begin(); it != m_tickets.end();) {
        if (it->second.key != key) {
            ++it;
            continue;
        }
        served.emplace_back(it->first, std::move(it->second.completion));
        it = m_tickets.erase(it);
    }
    for (auto &[view, completion] : served) {
        if (!pixmap.isNull())
            view->setImage(pixmap);
    }
    for (auto &[view, completion] : served) {
        if (completion)
            completion(!pixmap.isNull());
    }
}

void ImageLoader::watch(ImageView *view)
{
    if (!m_watched.insert(view).second)
        return;
    connect(view, &QObject::destroyed, this, [this, view] {
        m_watched.erase(view);
        forget(view);
    });
}

void ImageLoader::forget(ImageView *view)
{
    const auto found = m_tickets.find(view);
    if (found == m_tickets.end())
        return;
    const QString key = found->second.key;
    m_tickets.erase(found);
    // Nobody else waits: the download is not worth finishing.
    if (const auto fetch = m_inFlight.find(key); fetch != m_inFlight.end() && !anyoneWaitsFor(key))
        fetch->second->abort();
}

bool ImageLoader::Cached::isSharpIn(QSize viewPixels) const
{
    return !reducedFor
            || (viewPixels.width() <= reducedFor->width()
                && viewPixels.height() <= reducedFor->height());
}

bool ImageLoader::anyoneWaitsFor(const QString &key) const
{
    for (const auto &[view, ticket] : m_tickets) {
        if (ticket.key == key)
            return true;
    }
    return false;
}

} // namespace lanterncrest
