#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QString placeholder = QStringLiteral("imageHorizontalPlaceHolderSmall"); // green, in the test bundle
const QColor placeholderColor(0, 200, 0);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

QByteArray png(QColor color, QSize size = {4, 4})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

ScriptedAnswer image(QColor color, QSize size = {4, 4})
{
    return ScriptedAnswer::text(200, png(color, size)).withHeader("Content-Type", "image/png");
}

// The colour the view shows, or an invalid colour when it shows no image.
QColor shown(const ImageView& view)
{
    return view.image().isNull() ? QColor() : view.image().toImage().pixelColor(0, 0);
}

class ImageLoaderTest : public ::testing::Test {
protected:
    ImageLoader::Options options()
    {
        ImageLoader::Options result;
        result.cacheDirectory = cache_.path();
        return result;
    }

    ImageLoader& loader()
    {
        if (!loader_)
            loader_ = std::make_unique<ImageLoader>(options());
        return *loader_;
    }

    // Loads `url` into `view` and waits for the completion; returns what it reported.
    std::optional<bool> load(ImageView& view, const QString& url, ImageLoader* using_ = nullptr)
    {
        std::optional<bool> result;
        (using_ ? *using_ : loader()).setImage(&view, url, placeholder, [&](bool loaded) { result = loaded; });
        waitUntil([&] { return result.has_value(); }, 5s);
        return result;
    }

    QTemporaryDir cache_;
    LoopbackService service_;
    std::unique_ptr<ImageLoader> loader_;
};

TEST_F(ImageLoaderTest, ThePlaceholderShowsUntilTheImageArrives)
{
    service_.answer("/a.png", image(red).after(100ms));
    ImageView view;
    bool loaded = false;
    loader().setImage(&view, service_.url("a.png"), placeholder, [&](bool ok) { loaded = ok; });
    EXPECT_EQ(shown(view), placeholderColor);
    ASSERT_TRUE(waitUntil([&] { return loaded; }));
    EXPECT_EQ(shown(view), red);
}

TEST_F(ImageLoaderTest, AMissingPlaceholderShowsNothing)
{
    service_.answer("/a.png", image(red).after(100ms));
    ImageView view;
    view.setImage(QPixmap::fromImage(QImage::fromData(png(blue))));
    loader().setImage(&view, service_.url("a.png"), QStringLiteral("noSuchImage"));
    EXPECT_EQ(shown(view), QColor());
}

TEST_F(ImageLoaderTest, TheMemoryCacheAnswersAtOnce)
{
    service_.answer("/a.png", image(red));
    ImageView first;
    ASSERT_EQ(load(first, service_.url("a.png")), true);

    ImageView second;
    bool called = false;
    loader().setImage(&second, service_.url("a.png"), placeholder, [&](bool ok) { called = ok; });
    EXPECT_TRUE(called);
    EXPECT_EQ(shown(second), red);
    EXPECT_EQ(service_.requestCount(), 1);
}

TEST_F(ImageLoaderTest, TheDiskCacheServesAFreshImageToANewLoader)
{
    service_.answer("/a.png", image(red).withHeader("Cache-Control", "max-age=3600"));
    {
        ImageLoader first(options());
        ImageView view;
        ASSERT_EQ(load(view, service_.url("a.png"), &first), true);
    }
    ImageLoader second(options());
    ImageView view;
    ASSERT_EQ(load(view, service_.url("a.png"), &second), true);
    EXPECT_EQ(shown(view), red);
    EXPECT_EQ(service_.requestCount(), 1);
}

TEST_F(ImageLoaderTest, FiftyViewsOfOneUrlMakeOneRequest)
{
    service_.answer("/a.png", image(red).after(50ms));
    std::vector<std::unique_ptr<ImageView>> views;
    int loaded = 0;
    for (int i = 0; i < 50; ++i) {
        views.push_back(std::make_unique<ImageView>());
        loader().setImage(views.back().get(), service_.url("a.png"), placeholder, [&](bool ok) { loaded += ok; });
    }
    EXPECT_EQ(loader().loadsInFlight(), 1);
    ASSERT_TRUE(waitUntil([&] { return loaded == 50; }));
    EXPECT_EQ(service_.requestCount(), 1);
    for (const auto& view : views)
        EXPECT_EQ(shown(*view), red);
}

TEST_F(ImageLoaderTest, ALateAnswerNeverOverwritesANewerRequest)
{
    service_.answer("/slow.png", image(red).after(300ms));
    service_.answer("/fast.png", image(blue));
    ImageView reused;
    ImageView other; // keeps the slow download alive
    bool slowReported = false;
    int otherLoaded = 0;
    loader().setImage(&reused, service_.url("slow.png"), placeholder, [&](bool) { slowReported = true; });
    loader().setImage(&other, service_.url("slow.png"), placeholder, [&](bool ok) { otherLoaded += ok; });
    ASSERT_EQ(load(reused, service_.url("fast.png")), true);
    ASSERT_TRUE(waitUntil([&] { return otherLoaded == 1; }));
    spinFor(50ms);
    EXPECT_EQ(shown(reused), blue);
    EXPECT_EQ(shown(other), red);
    EXPECT_FALSE(slowReported);
}

TEST_F(ImageLoaderTest, NoUsableUrlKeepsThePlaceholderAndCancelsThePendingLoad)
{
    service_.answer("/slow.png", image(red).after(200ms));
    for (const QString text : {QString(), QStringLiteral("   "), QStringLiteral("not a url")}) {
        SCOPED_TRACE(text.toStdString());
        ImageView view;
        ImageView other;
        int otherLoaded = 0;
        loader().clearMemoryCache();
        loader().setImage(&view, service_.url("slow.png"), QString());
        loader().setImage(&other, service_.url("slow.png"), QString(), [&](bool ok) { otherLoaded += ok; });
        std::optional<bool> reported;
        loader().setImage(&view, text, placeholder, [&](bool ok) { reported = ok; });
        EXPECT_EQ(reported, false);
        ASSERT_TRUE(waitUntil([&] { return otherLoaded == 1; }));
        spinFor(20ms);
        EXPECT_EQ(shown(view), placeholderColor);
    }
}

TEST_F(ImageLoaderTest, ALoadNobodyWaitsForAnyMoreIsAborted)
{
    service_.answer("/slow.png", image(red).after(5s));
    auto view = std::make_unique<ImageView>();
    loader().setImage(view.get(), service_.url("slow.png"), placeholder);
    ASSERT_TRUE(waitUntil([&] { return service_.requestCount() == 1; }));
    EXPECT_EQ(loader().loadsInFlight(), 1);
    view.reset();
    EXPECT_EQ(loader().loadsInFlight(), 0);
}

TEST_F(ImageLoaderTest, OnlyHttpAndHttpsAreFetched)
{
    for (const QString url : {QStringLiteral("file:///etc/hostname"), QStringLiteral("ftp://127.0.0.1/a.png"),
                              QStringLiteral("data:image/png;base64,AAAA"), QStringLiteral("qrc:/images/a.png"),
                              QStringLiteral("http:///no-host.png")}) {
        SCOPED_TRACE(url.toStdString());
        ImageView view;
        EXPECT_EQ(load(view, url), false);
        EXPECT_EQ(shown(view), placeholderColor);
        EXPECT_EQ(loader().loadsInFlight(), 0);
    }
    EXPECT_EQ(service_.requestCount(), 0);
}

struct RefusedCase {
    const char* name;
    QByteArray path;
    ScriptedAnswer answer;
};

TEST_F(ImageLoaderTest, BadAnswersLeaveThePlaceholder)
{
    ImageLoader::Options capped = options();
    capped.limits.maxBodyBytes = 4000;
    capped.limits.maxPixels = 64 * 64;
    ImageLoader strict(capped);
    // A valid image within the pixel cap whose body alone is too large.
    QImage speckled(64, 64, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            speckled.setPixel(x, y, random() & 0xffffff);
    }
    QByteArray noise;
    QBuffer buffer(&noise);
    buffer.open(QIODevice::WriteOnly);
    speckled.save(&buffer, "PNG");
    ASSERT_GT(noise.size(), 4000);
    const RefusedCase cases[] = {
        {"body over the cap", "/big.bin", ScriptedAnswer::text(200, noise)},
        {"body over the cap, length not announced", "/chunked.bin",
         ScriptedAnswer::text(200, noise).withHeader("Content-Length", "")},
        {"image over the pixel cap", "/huge.png", image(red, {65, 65})},
        {"not an image", "/text.png", ScriptedAnswer::text(200, "hello")},
        {"error status with an image body", "/missing.png",
         ScriptedAnswer::text(404, png(red)).withHeader("Content-Type", "image/png")},
        {"cut off", "/cut.png", ScriptedAnswer::truncated(200, png(red, {32, 32}), 20)},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        service_.answer(c.path, c.answer);
        ImageView view;
        EXPECT_EQ(load(view, service_.url(QString::fromLatin1(c.path.mid(1))), &strict), false);
        EXPECT_EQ(shown(view), placeholderColor);
    }
    ImageView fits;
    service_.answer("/fits.png", image(red, {64, 64}));
    EXPECT_EQ(load(fits, service_.url("fits.png"), &strict), true);
}

} // namespace
} // namespace lanterncrest::test
