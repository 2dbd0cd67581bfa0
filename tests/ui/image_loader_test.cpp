#include <QFile>
#include <QImage>
#include <QNetworkDiskCache>
#include <QTemporaryDir>
#include <chrono>
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

// Bytes the size of the real body that no decoder takes for an image.
QByteArray junkLike(const QByteArray &body)
{
    return QByteArray(body.size(), 'x');
}

// Overwrites the body the disk cache in `directory` keeps for `url`, headers and freshness left
// as they are, as when the file's bytes go bad on disk. False when there is no such entry.
bool spoilCachedBody(const QString &directory, const QString &url)
{
    QNetworkDiskCache cache;
    cache.setCacheDirectory(directory);
    const QNetworkCacheMetaData meta = cache.metaData(QUrl(url));
    const std::unique_ptr<QIODevice> stored(cache.data(QUrl(url)));
    if (!meta.isValid() || !stored)
        return false;
    const QByteArray body = stored->readAll();
    QIODevice *replacement = cache.prepare(meta);
    if (!replacement)
        return false;
    replacement->write(junkLike(body));
    cache.insert(replacement);
    return true;
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
            ASSERT_TRUE(spoilCachedBody(m_cache.path(), m_service.url(c.name)));
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

} // namespace
} // namespace lanterncrest::test
