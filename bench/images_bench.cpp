// What a grid of image views holds in decoded pixels when its images are huge files of few
// bytes (flat-colour 4096x4096 PNGs, which the pixel cap allows) against small ones.
//
// Twenty image views of a team icon's size (72x72) sit in a shown grid; each gets its own URL
// through a fresh ImageLoader, served by the loopback service over HTTP. After every
// completion the bytes of the distinct decoded images the views hold are summed (the memory
// cache shares those images, it adds none); the most seen while the grid fills is the peak.
// The table (stderr) also shows the heap's growth at the same moments, everything included.

#include "bench/median_collector.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGridLayout>
#include <QTemporaryDir>
#include <QWidget>

#include <malloc.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"
#include "tests/support/flat_png.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::bench {
namespace {

constexpr int images = 20;
constexpr int columns = 4;
constexpr QSize viewSize(72, 72);

class Grid
{
public:
    // Serves image i of each side at "/<side>/<i>.png", each in a colour of its own.
    explicit Grid(std::initializer_list<int> sides)
    {
        for (const int side : sides) {
            for (int i = 0; i < images; ++i) {
                const QByteArray path =
                        '/' + QByteArray::number(side) + '/' + QByteArray::number(i) + ".png";
                const QByteArray png =
                        test::flatPng(QColor::fromHsv(i * 18, 200, 200), { side, side });
                m_service.answer(path,
                                 test::ScriptedAnswer::text(200, png).withHeader("Content-Type",
                                                                                 "image/png"));
            }
        }
        auto *layout = new QGridLayout(&m_window);
        for (int i = 0; i < images; ++i) {
            auto *view = new ImageView(&m_window);
            view->setFixedSize(viewSize);
            layout->addWidget(view, i / columns, i % columns);
            m_views.push_back(view);
        }
        m_window.show();
    }

    struct Peaks
    {
        qint64 decoded = 0; // bytes of the distinct images the views show
        qint64 heap = 0; // the heap's growth since the fill began, everything included
    };

    // Fills the grid with the images of the given side; returns the peaks seen at completions.
    std::optional<Peaks> fill(int side)
    {
        QTemporaryDir cache;
        const qint64 heapBefore = heapInUse();
        ImageLoader::Options options;
        options.cacheDirectory = cache.path();
        ImageLoader loader(options);
        int ended = 0;
        Peaks peak;
        for (int i = 0; i < images; ++i) {
            const QString url = m_service.url(QStringLiteral("%1/%2.png").arg(side).arg(i));
            loader.setImage(m_views[i], url, QString(), [&](bool) {
                ++ended;
                peak.decoded = std::max(peak.decoded, heldBytes());
                peak.heap = std::max(peak.heap, heapInUse() - heapBefore);
            });
        }
        test::waitUntil([&] { return ended == images; }, std::chrono::minutes(2));
        for (ImageView *view : m_views)
            view->setImage(QPixmap());
        if (ended != images)
            return std::nullopt;
        return peak;
    }

private:
    static qint64 heapInUse()
    {
        const struct mallinfo2 info = mallinfo2();
        return qint64(info.uordblks + info.hblkhd);
    }

    qint64 heldBytes() const
    {
        std::set<qint64> counted;
        qint64 bytes = 0;
        for (const ImageView *view : m_views) {
            const QPixmap &image = view->image();
            if (!image.isNull() && counted.insert(image.cacheKey()).second)
                bytes += qint64(image.width()) * image.height() * image.depth() / 8;
        }
        return bytes;
    }

    test::LoopbackService m_service;
    QWidget m_window;
    std::vector<ImageView *> m_views;
};

Grid *grid = nullptr;

std::map<int, qint64> peaks;

void fillGrid(benchmark::State &state)
{
    const int side = int(state.range(0));
    std::optional<Grid::Peaks> peak;
    for (auto _ : state) {
        peak = grid->fill(side);
        if (!peak) {
            state.SkipWithError("the grid did not fill");
            return;
        }
    }
    peaks[side] = peak->decoded;
    state.counters["peak_decoded_MiB"] = double(peak->decoded) / (1024 * 1024);
    state.counters["peak_heap_growth_MiB"] = double(peak->heap) / (1024 * 1024);
}

BENCHMARK(fillGrid)
        ->Name("grid-of-20")
        ->Arg(4096)
        ->Arg(64)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    lanterncrest::bench::Grid grid({ 4096, 64 });
    lanterncrest::bench::grid = &grid;
    lanterncrest::bench::MedianCollector table(lanterncrest::bench::MedianCollector::Clock::Cpu);
    lanterncrest::bench::runBenchmarks(argc, argv, table);

    const auto &peaks = lanterncrest::bench::peaks;
    if (peaks.contains(4096) && peaks.contains(64) && peaks.at(64) > 0) {
        std::fprintf(stderr, "peak decoded bytes: %lld (4096x4096 files), %lld (64x64 files)\n",
                     static_cast<long long>(peaks.at(4096)), static_cast<long long>(peaks.at(64)));
        std::printf("images/4096-vs-small-peak-decoded: %.3f\n",
                    double(peaks.at(4096)) / double(peaks.at(64)));
    }
    return 0;
}
