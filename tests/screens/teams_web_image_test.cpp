#include <QImage>
#include <chrono>
#include <gtest/gtest.h>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"
#include "screens/teams/web_image.h"
#include "tests/screens/teams_test_images.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QString placeholder = QStringLiteral("imageHorizontalPlaceHolderSmall"); // green, in the test bundle

TEST(TeamsWebImage, TheUrlTextIsTrimmedAndEncodedOnce)
{
    const struct {
        QString given;
        QString requested;
    } cases[] = {
        {" \n\thttps://img.example/a.png \r\n", "https://img.example/a.png"},
        {"https://img.example/red lions.png", "https://img.example/red%20lions.png"},
        {"https://img.example/red%20lions.png", "https://img.example/red%20lions.png"},
        {"https://img.example/a%2Fb.png", "https://img.example/a%252Fb.png"},
        {"https://img.example/a#b.png", "https://img.example/a%23b.png"},
        {"https://img.example/a.png?w=1&h=2", "https://img.example/a.png?w=1&h=2"},
        {QString::fromUtf8("https://img.example/أسد.png"), "https://img.example/%D8%A3%D8%B3%D8%AF.png"},
        {"https://img.example/a b\nc.png", "https://img.example/a%20b%0Ac.png"},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(requestUrlText(c.given), c.requested) << c.given.toStdString();
}

class TeamsWebImageLoading : public ::testing::Test {
protected:
    LoopbackService service;
    ImageView view;
};

TEST_F(TeamsWebImageLoading, ThePlaceholderShowsFirstAndALoadedImageClearsTheBackground)
{
    service.answer("/lions%20one.png", pngAnswer(Qt::red).after(100ms));
    view.changeLayerStyle([](LayerStyle& style) { style.backgroundColor = QColor(Qt::yellow); });
    setImage(view, service.url("lions%20one.png"), placeholder);
    EXPECT_EQ(shownColor(view), placeholderGreen);
    ASSERT_TRUE(waitUntil([&] { return shownColor(view) == QColor(Qt::red); }));
    EXPECT_EQ(service.requests().at(0).target, "/lions%20one.png");
    EXPECT_EQ(view.layerStyle().backgroundColor, QColor(Qt::transparent));
}

TEST_F(TeamsWebImageLoading, AFailedOrUnusableLoadKeepsThePlaceholderAndTheBackground)
{
    service.answer("/missing.png", ScriptedAnswer::text(404, "no"));
    for (const QString& url : {service.url("missing.png"), QStringLiteral(" "), QStringLiteral("not a url")}) {
        view.setImage({});
        view.changeLayerStyle([](LayerStyle& style) { style.backgroundColor = QColor(Qt::yellow); });
        setImage(view, url, placeholder);
        spinFor(200ms);
        EXPECT_EQ(shownColor(view), placeholderGreen) << url.toStdString();
        EXPECT_EQ(view.layerStyle().backgroundColor, QColor(Qt::yellow)) << url.toStdString();
    }
}

TEST_F(TeamsWebImageLoading, NoUrlShowsThePlaceholderAndNoLateImageReplacesIt)
{
    service.answer("/late.png", pngAnswer(Qt::red).after(150ms));
    setImage(view, service.url("late.png"), placeholder);
    ASSERT_TRUE(waitUntil([&] { return service.requestCount() == 1; }));
    view.setImage({});
    setImage(view, std::nullopt, placeholder);
    EXPECT_EQ(shownColor(view), placeholderGreen);
    spinFor(400ms);
    EXPECT_EQ(shownColor(view), placeholderGreen);
    EXPECT_EQ(ImageLoader::shared().loadsInFlight(), 0);
}

TEST_F(TeamsWebImageLoading, AnUnknownPlaceholderShowsNoImage)
{
    QPixmap old(2, 2);
    old.fill(Qt::blue);
    view.setImage(old);
    setImage(view, std::nullopt, QStringLiteral("noSuchImage"));
    EXPECT_TRUE(view.image().isNull());
}

} // namespace
} // namespace lanterncrest::test
