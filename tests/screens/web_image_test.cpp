#include <gtest/gtest.h>

#include "platform/ui/image_loader.h"
#include "screens/teams/web_image.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

// Each URL is answered with an image only at the exact target it should arrive as, so a view
// shows its image only when the request went out right; anything else gets the 404 fallback.
TEST(WebImage, EscapesTheServiceSentGoOutAsTheyStandAndEverythingElseIsEncoded)
{
    const struct
    {
        QString given; // after the service's "http://127.0.0.1:PORT/"
        QByteArray target;
    } cases[] = {
        { QString::fromUtf8("Jos%C3%A9.png"), "/Jos%C3%A9.png" },
        { "e%2Ff.png", "/e%2Ff.png" },
        { "a%zz.png", "/a%25zz.png" },
        { "b%4.png", "/b%254.png" },
        { "c d.png", "/c%20d.png" },
        { "g%20h.png", "/g%20h.png" },
        { "i#j.png", "/i%23j.png" },
        { QString::fromUtf8("é.png"), "/%C3%A9.png" },
        { "k.png?size=l%26m&n=o p", "/k.png?size=l%26m&n=o%20p" },
    };
    LoopbackService service;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        service.reset();
        service.answer(c.target.split('?').front(), pngAnswer(Qt::red));
        ImageView view;
        view.resize(8, 8);
        setImage(view, " " + service.url(c.given) + "\n",
                 QStringLiteral("imageHorizontalPlaceHolderSmall"));
        ASSERT_TRUE(waitUntil([] { return ImageLoader::shared().loadsInFlight() == 0; }));
        ASSERT_EQ(service.requestCount(), 1);
        EXPECT_EQ(service.requests().front().target.toStdString(), c.target.toStdString());
        EXPECT_EQ(shownColor(view), QColor(Qt::red));
    }
}

} // namespace
} // namespace lanterncrest::test
