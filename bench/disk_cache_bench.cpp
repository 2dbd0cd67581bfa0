// What it costs to serve images from the disk cache when every entry is read back whole and
// checked against its digest, against Qt's own disk cache, which reads without checking.
//
// Fifty fresh entries of one body size are stored through each cache first. Each iteration then
// starts as the application does: a new network manager over a new cache object on the same
// folder, fifty GETs, each answered from disk (the loopback service must see none of them).

#include "bench/median_collector.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <string>
#include <utility>

#include "platform/ui/verified_disk_cache.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::bench {
namespace {

constexpr int entries = 50;

test::LoopbackService *service = nullptr;

QByteArray incompressible(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(size);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Gets every entry's URL through a new manager over a new cache on `folder`; true when all came.
template<class Cache>
bool getAll(const QString &folder, qsizetype size, bool fromCacheOnly)
{
    QNetworkAccessManager network;
    auto *cache = new Cache(&network);
    cache->setCacheDirectory(folder);
    cache->setMaximumCacheSize(qint64(entries) * 4 * 1024 * 1024); // room for every entry
    network.setCache(cache);
    int whole = 0;
    int ended = 0;
    for (int i = 0; i < entries; ++i) {
        QNetworkReply *reply = network.get(
                QNetworkRequest(QUrl(service->url(QStringLiteral("%1/%2.png").arg(size).arg(i)))));
        QObject::connect(reply, &QNetworkReply::finished, reply, [&, reply] {
            const bool cached =
                    reply->attribute(QNetworkRequest::SourceIsFromCacheAttribute).toBool();
            whole += reply->readAll().size() == size && (cached || !fromCacheOnly);
            ++ended;
            reply->deleteLater();
        });
    }
    test::waitUntil([&] { return ended == entries; }, std::chrono::minutes(1));
    return whole == entries;
}

template<class Cache>
void serveFromDisk(benchmark::State &state)
{
    const qsizetype size = state.range(0);
    QTemporaryDir folder;
    if (!getAll<Cache>(folder.path(), size, false)) {
        state.SkipWithError("the cache did not fill");
        return;
    }
    const int requests = service->requestCount();
    for (auto _ : state) {
        if (!getAll<Cache>(folder.path(), size, true) || service->requestCount() != requests) {
            state.SkipWithError("an entry did not come from the disk cache");
            return;
        }
    }
}

template<class Cache>
void registerAt(const std::string &name, qsizetype size)
{
    benchmark::RegisterBenchmark(name.c_str(), serveFromDisk<Cache>)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    lanterncrest::test::LoopbackService service;
    for (const qsizetype size : { 64 * 1024, 1024 * 1024 }) {
        const QByteArray body = lanterncrest::bench::incompressible(size);
        for (int i = 0; i < lanterncrest::bench::entries; ++i) {
            service.answer(
                    QByteArray::number(qint64(size)).prepend('/') + '/' + QByteArray::number(i)
                            + ".png",
                    lanterncrest::test::ScriptedAnswer{ 200,
                                                        { { "Content-Type", "image/png" },
                                                          { "Cache-Control", "max-age=3600" } },
                                                        body });
        }
    }
    lanterncrest::bench::service = &service;
    for (const auto &[name, size] :
         { std::pair("64KiB", 64 * 1024), std::pair("1MiB", 1024 * 1024) }) {
        lanterncrest::bench::registerAt<lanterncrest::VerifiedDiskCache>(
                "verified-" + std::string(name), size);
        lanterncrest::bench::registerAt<QNetworkDiskCache>("plain-" + std::string(name), size);
    }
    lanterncrest::bench::MedianCollector table(lanterncrest::bench::MedianCollector::Clock::Cpu);
    lanterncrest::bench::runBenchmarks(argc, argv, table);
    table.printRatio("disk-cache/verified-vs-plain-64KiB", "verified-64KiB", "plain-64KiB");
    table.printRatio("disk-cache/verified-vs-plain-1MiB", "verified-1MiB", "plain-1MiB");
    return 0;
}
