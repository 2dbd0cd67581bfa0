#include "platform/ui/verified_disk_cache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace lanterncrest {

namespace {

const QString entrySuffix = QStringLiteral(".entry");

// The Content-Length an answer announced, or -1.
qint64 announcedLength(const QNetworkCacheMetaData &metaData)
{
    for (const auto &[name, value] : metaData.rawHeaders()) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            return value.trimmed().toLongLong();
    }
    return -1;
}

} // namespace

// Collects a body as the network manager writes it, up to what the cache may store.
class VerifiedDiskCache::PendingEntry : public QIODevice
{
public:
    PendingEntry(const QNetworkCacheMetaData &metaData, qint64 cap)
        : m_metaData(metaData),
          m_cap(cap)
    {
        open(QIODevice::WriteOnly);
    }
    // Closing tells the network manager, which may still hold it, to let it go.
    ~PendingEntry() override { close(); }

    const QNetworkCacheMetaData &metaData() const { return m_metaData; }
    // The body, or nothing when it ran past the cap.
    std::optional<QByteArray> body() const
    {
        return m_overflowed ? std::nullopt : std::optional(m_body);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (!m_overflowed && m_body.size() + length > m_cap) {
            m_overflowed = true;
            m_body = QByteArray();
        }
        if (!m_overflowed)
            m_body.append(data, length);
        return length;
    }

private:
    QNetworkCacheMetaData m_metaData;
    qint64 m_cap;
    QByteArray m_body;
    bool m_overflowed = false;
};

VerifiedDiskCache::VerifiedDiskCache(QObject *parent) : QAbstractNetworkCache(parent) { }

VerifiedDiskCache::~VerifiedDiskCache() = default;

void VerifiedDiskCache::setCacheDirectory(const QString &directory)
{
    m_directory = directory.isEmpty() ? QString() : QDir(directory).absolutePath();
    m_size.reset();
    m_lastRead.reset();
}

void VerifiedDiskCache::setMaximumCacheSize(qint64 bytes)
{
    // The next store makes room: nothing need be counted at start-up.
    m_maximumSize = std::max<qint64>(bytes, 0);
}

QNetworkCacheMetaData VerifiedDiskCache::metaData(const QUrl &url)
{
    // The network manager asks for the body right after the headers: what was read serves it.
    m_lastRead = readWhole(url);
    return m_lastRead ? m_lastRead->metaData : QNetworkCacheMetaData();
}

void VerifiedDiskCache::updateMetaData(const QNetworkCacheMetaData &metaData)
{
    if (!metaData.isValid() || !metaData.saveToDisk())
        return;
    std::optional<CacheEntry> entry = takeWhole(metaData.url());
    if (!entry)
        return;
    entry->metaData = metaData;
    store(*entry);
}

QIODevice *VerifiedDiskCache::data(const QUrl &url)
{
    std::optional<CacheEntry> entry = takeWhole(url);
    if (!entry)
        return nullptr;
    auto *body = new QBuffer;
    body->setData(std::move(entry->body));
    body->open(QIODevice::ReadOnly);
    return body;
}

bool VerifiedDiskCache::remove(const QUrl &url)
{
    // Also how the network manager gives up an entry it was writing.
    std::erase_if(m_writing,
                  [&](const auto &writing) { return writing.second->metaData().url() == url; });
    m_lastRead.reset();
    return !m_directory.isEmpty() && removeFile(entryPath(url));
}

qint64 VerifiedDiskCache::cacheSize() const
{
    if (!m_size) {
        qint64 size = 0;
        for (const QFileInfo &entry : entryFiles())
            size += entry.size();
        m_size = size;
    }
    return *m_size;
}

QIODevice *VerifiedDiskCache::prepare(const QNetworkCacheMetaData &metaData)
{
    if (m_directory.isEmpty() || !metaData.isValid() || !metaData.url().isValid()
        || !metaData.saveToDisk() || announcedLength(metaData) > storableBytes()) {
        return nullptr;
    }
    auto pending = std::make_unique<PendingEntry>(metaData, storableBytes());
    QIODevice *device = pending.get();
    m_writing.emplace(device, std::move(pending));
    return device;
}

void VerifiedDiskCache::insert(QIODevice *device)
{
    const auto found = m_writing.find(device);
    if (found == m_writing.end())
        return;
    const std::unique_ptr<PendingEntry> pending = std::move(found->second);
    m_writing.erase(found);
    m_lastRead.reset();
    // Qt's reply from the cache never finishes on an empty body, so none is stored.
    if (const std::optional<QByteArray> body = pending->body(); body && !body->isEmpty())
        store(CacheEntry{ pending->metaData(), *body });
}

void VerifiedDiskCache::clear()
{
    m_lastRead.reset();
    for (const QFileInfo &entry : entryFiles())
        QFile::remove(entry.filePath());
    m_size.reset();
}

QString VerifiedDiskCache::entriesDirectory() const
{
    return m_directory + QStringLiteral("/entries");
}

QFileInfoList VerifiedDiskCache::entryFiles(QDir::SortFlags order) const
{
    if (m_directory.isEmpty())
        return {};
    return QDir(entriesDirectory())
            .entryInfoList({ QLatin1Char('*') + entrySuffix }, QDir::Files, order);
}

QString VerifiedDiskCache::entryPath(const QUrl &url) const
{
    const QByteArray key = url.adjusted(QUrl::RemovePassword | QUrl::RemoveFragment).toEncoded();
    return entriesDirectory() + QLatin1Char('/')
            + QString::fromLatin1(
                    QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(40))
            + entrySuffix;
}

std::optional<CacheEntry> VerifiedDiskCache::takeWhole(const QUrl &url)
{
    std::optional<CacheEntry> entry = std::exchange(m_lastRead, std::nullopt);
    return entry && entry->metaData.url() == url ? std::move(entry) : readWhole(url);
}

std::optional<CacheEntry> VerifiedDiskCache::readWhole(const QUrl &url)
{
    if (m_directory.isEmpty() || !url.isValid())
        return std::nullopt;
    QFile file(entryPath(url));
    if (!file.exists())
        return std::nullopt;
    // No entry is larger than the whole cache: a larger file is not read at all.
    std::optional<CacheEntry> entry;
    if (file.size() <= m_maximumSize && file.open(QIODevice::ReadOnly))
        entry = decodeCacheEntry(file.readAll());
    if (!entry || entry->metaData.url() != url) {
        removeFile(file.fileName());
        return std::nullopt;
    }
    return entry;
}

void VerifiedDiskCache::store(const CacheEntry &entry)
{
    const QString path = entryPath(entry.metaData.url());
    const qint64 sizeBefore = cacheSize();
    const qint64 replaced = QFileInfo(path).size();
    const QByteArray bytes = encodeCacheEntry(entry);
    // Written aside and renamed over the old file: a crash leaves one whole file or the other.
    QSaveFile file(path);
    if (!QDir().mkpath(entriesDirectory()) || !file.open(QIODevice::WriteOnly)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        return;
    }
    m_size = sizeBefore - replaced + bytes.size();
    if (*m_size > m_maximumSize)
        makeRoom();
}

bool VerifiedDiskCache::removeFile(const QString &path)
{
    const qint64 sizeBefore = cacheSize();
    const qint64 size = QFileInfo(path).size();
    if (!QFile::remove(path))
        return false;
    m_size = sizeBefore - size;
    return true;
}

void VerifiedDiskCache::makeRoom()
{
    // The oldest give way until a tenth of the room is free, so that not every store evicts.
    const qint64 goal = m_maximumSize * 9 / 10;
    for (const QFileInfo &entry : entryFiles(QDir::Time | QDir::Reversed)) {
        if (cacheSize() <= goal)
            break;
        removeFile(entry.filePath());
    }
}

} // namespace lanterncrest
