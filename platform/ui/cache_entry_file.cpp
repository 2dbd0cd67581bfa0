#include "platform/ui/cache_entry_file.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace lanterncrest {

namespace {

constexpr QByteArrayView formatMark = "LCCACHE1";
constexpr qsizetype lengthBytes = sizeof(quint32);
// Fast enough to check every read; the damage it is for is no attack.
constexpr auto digestAlgorithm = QCryptographicHash::Blake2b_256;
constexpr auto streamVersion = QDataStream::Qt_6_4;

qsizetype digestLength()
{
    return QCryptographicHash::hashLength(digestAlgorithm);
}

} // namespace

QByteArray encodeCacheEntry(const CacheEntry &entry)
{
    QByteArray headers;
    QDataStream out(&headers, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << entry.metaData;
    QByteArray file;
    file.reserve(formatMark.size() + lengthBytes + headers.size() + entry.body.size()
                 + digestLength());
    file += formatMark;
    file.resize(file.size() + lengthBytes);
    qToBigEndian(quint32(headers.size()), file.data() + formatMark.size());
    file += headers;
    file += entry.body;
    file += QCryptographicHash::hash(file, digestAlgorithm);
    return file;
}

std::optional<CacheEntry> decodeCacheEntry(QByteArrayView file)
{
    const qsizetype headersAt = formatMark.size() + lengthBytes;
    if (file.size() <= headersAt + digestLength() || !file.startsWith(formatMark))
        return std::nullopt;
    const QByteArrayView content = file.chopped(digestLength());
    if (QCryptographicHash::hash(content, digestAlgorithm) != file.last(digestLength()))
        return std::nullopt;
    const qsizetype bodyAt =
            headersAt + qFromBigEndian<quint32>(content.data() + formatMark.size());
    if (bodyAt >= content.size())
        return std::nullopt;
    CacheEntry entry;
    const QByteArray headers = content.sliced(headersAt, bodyAt - headersAt).toByteArray();
    QDataStream in(headers);
    in.setVersion(streamVersion);
    in >> entry.metaData;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    entry.body = content.sliced(bodyAt).toByteArray();
    return entry;
}

} // namespace lanterncrest
