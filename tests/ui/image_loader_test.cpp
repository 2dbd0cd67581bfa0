#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"
#include "tests/support/flat_png.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

// Green, in the test bundle.
const QString placeholder = QStringLiteral("imageHorizontalPlaceHolderSmall");
const QColor placeholderColor(0, 200, 0);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QSize iconSize(4, 4);

ScriptedAnswer image(QColor color, QSize size = iconSize)
{
    return ScriptedAnswer::text(200, flatPng(color, size)).withHeader("Content-Type", "image/png");
}

ScriptedAnswer cachedHour(ScriptedAnswer answer)
{
    return std::move(answer).withHeader("Cache-Control", "max-age=3600");
}

// As an image service answers: of its own type only, so stored as it came, fresh for an hour.
ScriptedAnswer storedImage(QByteArray png)
{
    return cachedHour(ScriptedAnswer{ 200, { { "Content-Type", "image/png" } }, std::move(png) });
}

// Bytes the size of the real body that no decoder takes for an image.
QByteArray junkLike(const QByteArray &body)
{
    return QByteArray(body.size(), 'x');
}

// The file of the disk cache in `directory` that keeps `body` for `url`, and where the body
// starts in it; no path when there is none.
struct CacheFile
{
    QString path;
    qsizetype bodyAt = -1;
};
CacheFile cacheFileOf(const QString &directory, const QString &url, const QByteArray &body)
{
    QDirIterator files(directory, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        if (const qsizetype at = bytes.indexOf(body); at >= 0 && bytes.contains(url.toUtf8()))
            return { file.fileName(), at };
    }
    return {};
}

// Overwrites the body of `url` in the disk cache's file, as when the file's bytes go bad on
// disk. False when there is no such file.
bool spoilCachedBody(const QString &directory, const QString &url, const QByteArray &body)
{
    const CacheFile stored = cacheFileOf(directory, url, body);
    QFile file(stored.path);
    return !stored.path.isEmpty() && file.open(QIODevice::ReadWrite) && file.seek(stored.bodyAt)
            && file.write(junkLike(body)) == body.size();
}

// A PNG file of noise: about as many bytes as it has pixels times three.
QByteArray noisePng(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000);
    }
    return pngOf(image);
}

qint64 bytesIn(const QString &directory)
{
    qint64 bytes = 0;
    QDirIterator files(directory, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        bytes += files.fileInfo().size();
    }
    return bytes;
}

// The colour the view shows, or an invalid colour when it shows no image.
QColor shown(const ImageView &view)
{
    return view.image().isNull() ? QColor() : view.image().toImage().pixelColor(0, 0);
}

class ImageLoaderTest : public ::testing::Test
{
protected:
    ImageLoader::Options options() const
    {
        ImageLoader::Options options;
        options.cacheDirectory = m_cache.path();
        return options;
    }

    // Loads `url` into `view` and waits for the completion; returns what it reported.
    std::optional<bool> load(ImageView &view, const QString &url, ImageLoader *with = nullptr)
    {
        std::optional<bool> result;
        (with ? *with : m_loader).setImage(&view, url, placeholder, [&](bool loaded) {
            result = loaded;
        });
        waitUntil([&] { return result.has_value(); }, 5s);
        return result;
    }

    QTemporaryDir m_cache;
    LoopbackService m_service;
    ImageLoader m_loader{ options() };
};

TEST_F(ImageLoaderTest, FiftyViewsOfOneUrlShowThePlaceholderThenTheImageFromOneRequest)
{
    m_service.answer("/a.png", image(red).after(50ms).withHeader("Cache-Control", "max-age=3600"));
    std::vector<std::unique_ptr<ImageView>> views;
    int loaded = 0;
    for (int i = 0; i < 50; ++i) {
        views.push_back(std::make_unique<ImageView>());
        m_loader.setImage(views.back().get(), m_service.url("a.png"), placeholder,
                          [&](bool ok) { loaded += ok; });
        EXPECT_EQ(shown(*views.back()), placeholderColor);
    }
    ASSERT_TRUE(waitUntil([&] { return loaded == 50; }));
    for (const auto &view : views)
        EXPECT_EQ(shown(*view), red);

    // The memory cache answers at once.
    ImageView later;
    bool called = false;
    m_loader.setImage(&later, m_service.url("a.png"), placeholder, [&](bool ok) { called = ok; });
    EXPECT_TRUE(called);
    EXPECT_EQ(shown(later), red);
    // The disk cache serves the fresh image to a new loader.
    ImageLoader second(options());
    ImageView again;
    ASSERT_EQ(load(again, m_service.url("a.png"), &second), true);
    EXPECT_EQ(shown(again), red);
    EXPECT_EQ(m_service.requestCount(), 1);
}

TEST_F(ImageLoaderTest, ALateAnswerNeverOverwritesANewerRequest)
{
    m_service.answer("/slow.png", image(red).after(300ms));
    m_service.answer("/fast.png", image(blue));
    ImageView reused;
    ImageView other; // keeps the slow download alive
    bool slowReported = false;
    int otherLoaded = 0;
    m_loader.setImage(&reused, m_service.url("slow.png"), placeholder,
                      [&](bool) { slowReported = true; });
    m_loader.setImage(&other, m_service.url("slow.png"), placeholder,
                      [&](bool ok) { otherLoaded += ok; });
    ASSERT_EQ(load(reused, m_service.url("fast.png")), true);
    ASSERT_TRUE(waitUntil([&] { return otherLoaded == 1; }));
    spinFor(50ms);
    EXPECT_EQ(shown(reused), blue);
    EXPECT_EQ(shown(other), red);
    EXPECT_FALSE(slowReported);
}

TEST_F(ImageLoaderTest, AnEmptyOrNonHttpUrlKeepsThePlaceholderAndCancelsThePendingLoad)
{
    m_service.answer("/slow.png", image(red).after(5s));
    QFile local(m_cache.filePath(QStringLiteral("local.png")));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly) && local.write(flatPng(red, iconSize)) > 0);
    local.close();
    const QString refused[] = { QString(),
                                "   ",
                                "http:///no-host.png",
                                "file://localhost" + local.fileName(),
                                "qrc:/images/a.png",
                                "data:image/png;base64," + flatPng(red, iconSize).toBase64() };
    for (const QString &url : refused) {
        SCOPED_TRACE(url.left(40).toStdString());
        ImageView view;
        m_loader.setImage(&view, m_service.url("slow.png"), QString());
        EXPECT_EQ(m_loader.loadsInFlight(), 1);
        EXPECT_EQ(load(view, url), false);
        EXPECT_EQ(m_loader.loadsInFlight(), 0);
        EXPECT_EQ(shown(view), placeholderColor);
    }
}

TEST_F(ImageLoaderTest, ABodyOverTheCapOrPastTheDeadlineIsCutOffAndCanBeAskedForAgain)
{
    const QByteArray big = flatPng(red, { 64, 64 });
    ASSERT_GT(big.size(), flatPng(red, iconSize).size());
    ImageLoader::Options limited = options();
    limited.limits.maxBodyBytes = big.size() - 1;
    limited.limits.totalTimeout = 300ms;
    ImageLoader loader(limited);
    const std::pair<QByteArray, ScriptedAnswer> cases[] = {
        { "/big.png", ScriptedAnswer::text(200, big) },
        { "/chunked.png", ScriptedAnswer::text(200, big).withHeader("Content-Length", "") },
        { "/a.png", image(red).trickled(50ms) }, // about four seconds of body
    };
    for (const auto &[path, answer] : cases) {
        SCOPED_TRACE(path.toStdString());
        m_service.answer(path, answer);
        ImageView view;
        EXPECT_EQ(load(view, m_service.url(QString::fromLatin1(path.mid(1))), &loader), false);
        EXPECT_EQ(shown(view), placeholderColor);
        EXPECT_EQ(loader.loadsInFlight(), 0);
    }
    m_service.answer("/a.png", image(red));
    ImageView view;
    EXPECT_EQ(load(view, m_service.url("a.png"), &loader), true);
    EXPECT_EQ(shown(view), red);
    EXPECT_EQ(m_service.requestCount("/a.png"), 2);
}

TEST_F(ImageLoaderTest, AnImageIsKeptAtNoMorePixelsThanItsLargestViewShows)
{
    m_service.answer("/wide.png", image(red, { 1024, 512 }));
    ImageView small;
    ImageView large;
    ImageView smallAgain;
    small.resize(40, 30);
    smallAgain.resize(40, 30);
    large.resize(100, 100);
    const qreal ratio = small.devicePixelRatioF();
    // Each copy covers its view with the image's aspect ratio kept.
    ASSERT_EQ(load(small, m_service.url("wide.png")), true);
    EXPECT_EQ(small.image().size(), QSize(60, 30) * ratio);
    // A larger view gets a sharp copy of its own, not the small one...
    ASSERT_EQ(load(large, m_service.url("wide.png")), true);
    EXPECT_EQ(large.image().size(), QSize(200, 100) * ratio);
    EXPECT_EQ(shown(large), red);
    // ...which then serves the smaller views from memory.
    smallAgain.setImage(QPixmap());
    m_loader.setImage(&smallAgain, m_service.url("wide.png"), placeholder);
    EXPECT_EQ(smallAgain.image().cacheKey(), large.image().cacheKey());
    EXPECT_EQ(m_service.requestCount(), 2);
}

TEST_F(ImageLoaderTest, ABodyThatDoesNotDecodeIsFetchedOnceMoreOnlyWhenItCameFromTheDiskCache)
{
    const ScriptedAnswer junk = ScriptedAnswer::text(200, junkLike(flatPng(red, iconSize)));
    struct Case
    {
        QString name;
        ScriptedAnswer first; // spoiled on disk when it loads
        ScriptedAnswer then;
        QColor shows;
    };
    const Case cases[] = {
        { "a.png", cachedHour(image(red)), cachedHour(image(red)), red },
        { "b.png", cachedHour(image(blue)), cachedHour(image(blue)), blue },
        { "junk-after-spoiled.png", cachedHour(image(red)), junk, placeholderColor },
        { "junk.png", junk, junk, placeholderColor },
    };
    for (const Case &c : cases) {
        m_service.enqueue("/" + c.name.toLatin1(), c.first);
        m_service.answer("/" + c.name.toLatin1(), c.then);
        ImageView view;
        if (load(view, m_service.url(c.name)) == true) {
            ASSERT_TRUE(spoilCachedBody(m_cache.path(), m_service.url(c.name), c.first.body));
        }
    }
    m_service.clearRequests();
    // Two views of each URL, waiting together, share one request.
    ImageLoader later(options());
    std::vector<std::unique_ptr<ImageView>> views;
    int done = 0;
    for (int i = 0; i < 8; ++i) {
        views.push_back(std::make_unique<ImageView>());
        later.setImage(views.back().get(), m_service.url(cases[i % 4].name), placeholder,
                       [&](bool) { ++done; });
    }
    ASSERT_TRUE(waitUntil([&] { return done == 8; }, 5s));
    spinFor(100ms);
    EXPECT_EQ(later.loadsInFlight(), 0);
    // The fresh copies took the spoiled ones' place on disk.
    ImageLoader afterwards(options());
    for (int i = 0; i < 8; ++i) {
        const Case &c = cases[i % 4];
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(shown(*views[i]), c.shows);
        EXPECT_EQ(m_service.requestCount("/" + c.name.toLatin1()), 1);
        if (c.shows != placeholderColor) {
            ImageView again;
            EXPECT_EQ(load(again, m_service.url(c.name), &afterwards), true);
            EXPECT_EQ(m_service.requestCount("/" + c.name.toLatin1()), 1);
        }
    }
}

// A file of the disk cache damaged as a crash, a power loss or a failing disk leaves it: each
// image is fetched once more at once, shows, and its new copy serves the next start alone. The
// loader's own deadlines lie far past the test's wait, so an image that waits on what the cache
// holds fails here rather than ending at a deadline.
TEST_F(ImageLoaderTest, AnImageWhoseCacheFileIsDamagedAnywhereIsFetchedAgainAtOnce)
{
    using Damage = std::function<void(QByteArray & file, qsizetype bodyAt, qsizetype bodySize)>;
    const auto flip = [](QByteArray &file, qsizetype at) {
        for (qsizetype i = at; i < at + 8; ++i)
            file[i] = char(~file[i]);
    };
    const std::pair<const char *, Damage> damages[] = {
        { "header bytes", [&](QByteArray &f, qsizetype at, qsizetype) { flip(f, at / 2); } },
        { "header's last bytes", [&](QByteArray &f, qsizetype at, qsizetype) { flip(f, at - 8); } },
        { "body bytes", [&](QByteArray &f, qsizetype at, qsizetype n) { flip(f, at + n / 2); } },
        { "cut inside the header",
          [](QByteArray &f, qsizetype at, qsizetype) { f.resize(at / 2); } },
        { "cut inside the body",
          [](QByteArray &f, qsizetype at, qsizetype n) { f.resize(at + n / 2); } },
        { "emptied", [](QByteArray &f, qsizetype, qsizetype) { f.clear(); } },
        { "random bytes",
          [](QByteArray &f, qsizetype, qsizetype) {
              QRandomGenerator random(20);
              for (char &byte : f)
                  byte = char(random.bounded(256));
          } },
    };
    const QByteArray png = flatPng(red, { 16, 16 });
    for (const auto &[name, damage] : damages) {
        SCOPED_TRACE(name);
        QTemporaryDir cache;
        ImageLoader::Options patient;
        patient.cacheDirectory = cache.path();
        patient.limits.idleTimeout = patient.limits.totalTimeout = 1h;
        const QByteArray path = "/" + QByteArray(name).replace(' ', '-') + ".png";
        const QString url = m_service.url(QString::fromLatin1(path.mid(1)));
        m_service.answer(path, storedImage(png));
        {
            ImageLoader filling(patient);
            ImageView view;
            ASSERT_EQ(load(view, url, &filling), true);
        }
        const CacheFile stored = cacheFileOf(cache.path(), url, png);
        ASSERT_GT(stored.bodyAt, 0);
        QFile file(stored.path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        damage(bytes, stored.bodyAt, png.size());
        ASSERT_TRUE(file.resize(0) && file.write(bytes) == bytes.size());
        file.close();

        for (const char *start : { "next start", "the start after" }) {
            SCOPED_TRACE(start);
            ImageLoader restarted(patient);
            ImageView view;
            EXPECT_EQ(load(view, url, &restarted), true);
            EXPECT_EQ(shown(view), red);
            EXPECT_EQ(m_service.requestCount(path), 2);
        }
    }
}

// The disk cache keeps to its size: the oldest entries give way to the newest, and an image too
// large for it, whether its size is announced or not, shows without being kept.
TEST_F(ImageLoaderTest, TheDiskCacheKeepsToItsSizeWithTheNewestEntries)
{
    ImageLoader::Options small = options();
    small.diskCacheBytes = 16 * 1024;
    const QByteArray large = noisePng({ 96, 96 }, 99);
    ASSERT_GT(large.size(), small.diskCacheBytes);
    const QByteArray chunked =
            QByteArray::number(large.size(), 16) + "\r\n" + large + "\r\n0\r\n\r\n";
    m_service.answer("/large.png", storedImage(large));
    m_service.answer("/large-chunked.png",
                     storedImage(chunked).withHeader("Transfer-Encoding", "chunked"));
    const auto path = [](int i) { return "/" + QByteArray::number(i) + ".png"; };
    for (int i = 0; i < 10; ++i) {
        const QByteArray png = noisePng({ 32, 32 }, i);
        ASSERT_GT(png.size(), 2048);
        m_service.answer(path(i), storedImage(png));
    }
    const auto loadAt = [&](const QByteArray &at) {
        ImageLoader restarted(small);
        ImageView view;
        return load(view, m_service.url(QString::fromLatin1(at.mid(1))), &restarted);
    };
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(loadAt(path(i)), true);
        EXPECT_LE(bytesIn(m_cache.path()), small.diskCacheBytes);
        spinFor(10ms); // the age that orders the entries is a file's time
    }
    for (const QByteArray &at : { QByteArray("/large.png"), QByteArray("/large-chunked.png") }) {
        SCOPED_TRACE(at.toStdString());
        for (int start = 1; start <= 2; ++start) {
            EXPECT_EQ(loadAt(at), true);
            EXPECT_EQ(m_service.requestCount(at), start);
        }
    }
    EXPECT_LE(bytesIn(m_cache.path()), small.diskCacheBytes);
    EXPECT_EQ(loadAt(path(9)), true);
    EXPECT_EQ(m_service.requestCount(path(9)), 1);
    EXPECT_EQ(loadAt(path(0)), true);
    EXPECT_EQ(m_service.requestCount(path(0)), 2);
}

// A stale copy is asked after with its validator; the service's "not modified" shows it, and
// the copy, its headers renewed on disk, is asked after the same way at the next start.
TEST_F(ImageLoaderTest, AStaleCopyIsRevalidatedAndServedAgainAfterEachConfirmation)
{
    const QByteArray png = flatPng(blue, iconSize);
    m_service.setResponder([&](const RecordedRequest &request) {
        return std::optional(request.header("If-None-Match") == "\"v1\""
                                     ? ScriptedAnswer{ 304, { { "ETag", "\"v1\"" } }, {} }
                                     : ScriptedAnswer{ 200,
                                                       { { "Content-Type", "image/png" },
                                                         { "Cache-Control", "no-cache" },
                                                         { "ETag", "\"v1\"" } },
                                                       png });
    });
    for (int start = 0; start < 3; ++start) {
        SCOPED_TRACE(start);
        ImageLoader restarted(options());
        ImageView view;
        EXPECT_EQ(load(view, m_service.url("stale.png"), &restarted), true);
        EXPECT_EQ(shown(view), blue);
        ASSERT_EQ(m_service.requestCount(), start + 1);
        EXPECT_EQ(m_service.requests().back().header("If-None-Match"),
                  start ? std::optional<QByteArray>("\"v1\"") : std::nullopt);
    }
}

} // namespace
} // namespace lanterncrest::test
