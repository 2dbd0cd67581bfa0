#pragma once

#include <QAbstractNetworkCache>
#include <QDir>
#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/ui/cache_entry_file.h"

namespace lanterncrest {

// A disk cache for the network manager that answers only for entries it can read back whole.
// Each entry is one file, written whole under its final name or not at all, and checked
// against its digest before any of it is read (see encodeCacheEntry). A file that fails the
// check (bytes gone bad, a file cut short by a crash or a power loss, an empty or foreign file)
// is removed and the entry reported absent, so the request goes to the network at once and the
// new answer takes its place. Qt's own disk cache reads such a file as it stands, and its reply
// then waits for a body the file no longer holds. The oldest entries give way when the files
// take more than the maximum size. Main thread only, like the network manager it serves.
class VerifiedDiskCache : public QAbstractNetworkCache
{
    Q_OBJECT
public:
    explicit VerifiedDiskCache(QObject *parent = nullptr);
    ~VerifiedDiskCache() override;

    // The folder the entries go in (a folder of its own inside it); nothing is cached without.
    void setCacheDirectory(const QString &directory);
    QString cacheDirectory() const { return m_directory; }
    void setMaximumCacheSize(qint64 bytes);
    qint64 maximumCacheSize() const { return m_maximumSize; }

    QNetworkCacheMetaData metaData(const QUrl &url) override;
    void updateMetaData(const QNetworkCacheMetaData &metaData) override;
    QIODevice *data(const QUrl &url) override;
    bool remove(const QUrl &url) override;
    qint64 cacheSize() const override;
    // The body is held in memory until it is inserted; one larger than a cache may keep is
    // not held, and its entry is not stored.
    QIODevice *prepare(const QNetworkCacheMetaData &metaData) override;
    void insert(QIODevice *device) override;

public slots:
    void clear() override;

private:
    class PendingEntry;

    QString entriesDirectory() const;
    QFileInfoList entryFiles(QDir::SortFlags order = QDir::NoSort) const;
    QString entryPath(const QUrl &url) const;
    qint64 storableBytes() const { return m_maximumSize * 3 / 4; }
    // The entry for `url` when its file reads back whole; a damaged file is removed.
    std::optional<CacheEntry> readWhole(const QUrl &url);
    // The same, taking the one metaData() just read where it is for `url`.
    std::optional<CacheEntry> takeWhole(const QUrl &url);
    void store(const CacheEntry &entry);
    bool removeFile(const QString &path);
    void makeRoom();

    QString m_directory;
    qint64 m_maximumSize = 50 * 1024 * 1024;
    // The bytes the entries take on disk, counted when first needed.
    mutable std::optional<qint64> m_size;
    std::unordered_map<QIODevice *, std::unique_ptr<PendingEntry>> m_writing;
    // The entry metaData() last read whole, until data() takes it or the cache changes.
    std::optional<CacheEntry> m_lastRead;
};

} // namespace lanterncrest
