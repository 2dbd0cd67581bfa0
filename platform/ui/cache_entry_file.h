#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QNetworkCacheMetaData>
#include <optional>

namespace lanterncrest {

// One cached answer: its headers and freshness, and a body of at least one byte.
struct CacheEntry
{
    QNetworkCacheMetaData metaData;
    QByteArray body;
};

// An entry as one file's bytes: a format mark, the headers, the body, and a digest of all that
// before it, so that a file gone bad anywhere (a byte, a cut, a foreign file) is known as such
// before any of its bytes is read as headers.
QByteArray encodeCacheEntry(const CacheEntry &entry);

// The entry in `file`, or nothing when the file is not one whole entry.
std::optional<CacheEntry> decodeCacheEntry(QByteArrayView file);

} // namespace lanterncrest
