#include "tests/sample_service/sample_client.h"

#include <QImage>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QEventLoop>
#include <QTimer>

namespace lanterncrest::test {
namespace {

using nlohmann::json;

QImage decodePng(const Exchange& reply)
{
    return QImage::fromData(reply.body, "PNG");
}

class SampleImagesTest : public SampleServiceTest {
protected:
    void SetUp() override
    {
        SampleServiceTest::SetUp();
        const QByteArray token = login();
        ASSERT_FALSE(token.isEmpty());
        season = get(seasonPath(kSeason), token).json();
        ASSERT_TRUE(season["data"].is_array());
        squad = get(squadPath(QString::fromStdString(season["data"][0]["id"]), kSeason), token).json();
        ASSERT_TRUE(squad["data"].is_array());
    }

    json season;
    json squad;
};

TEST_F(SampleImagesTest, EveryPictureTheScreensShowIsAPngServedWithoutAToken)
{
    const json& team = season["data"][0];
    const json& player = squad["data"][0];
    const struct {
        const char* name;
        std::string url;
        QSize size;
    } cases[] = {
        {"team logo", team["image"]["data"]["thumb"], QSize(128, 128)},
        {"team logo, full", team["image"]["data"]["path"], QSize(256, 256)},
        {"squad card photo", player["image"]["data"]["thumb"], QSize(128, 128)},
        {"profile photo", player["image"]["data"]["path"], QSize(320, 320)},
        {"profile country image", player["country"]["data"]["image"]["data"]["thumb"], QSize(90, 60)},
        {"flag, full", player["country"]["data"]["image"]["data"]["path"], QSize(300, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange reply = getUrl(QString::fromStdString(c.url)); // no Authorization header at all
        ASSERT_EQ(reply.status, 200);
        EXPECT_EQ(reply.contentType, "image/png");
        EXPECT_TRUE(reply.body.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage image = decodePng(reply);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.size);
    }
}

TEST_F(SampleImagesTest, PicturesDifferBetweenTeamsAndPlayersAndStayTheSameOnRepeat)
{
    const std::string firstLogo = season["data"][0]["image"]["data"]["thumb"];
    const std::string secondLogo = season["data"][1]["image"]["data"]["thumb"];
    const std::string firstPhoto = squad["data"][0]["image"]["data"]["thumb"];
    const std::string secondPhoto = squad["data"][1]["image"]["data"]["thumb"];

    const QByteArray logo = getUrl(QString::fromStdString(firstLogo)).body;
    EXPECT_NE(decodePng({200, {}, logo}), decodePng(getUrl(QString::fromStdString(secondLogo))));
    EXPECT_NE(decodePng(getUrl(QString::fromStdString(firstPhoto))),
              decodePng(getUrl(QString::fromStdString(secondPhoto))));
    EXPECT_EQ(getUrl(QString::fromStdString(firstLogo)).body, logo);
}

TEST_F(SampleImagesTest, UnknownPicturesAreNotFound)
{
    const std::string logo = season["data"][0]["image"]["data"]["path"];
    const QString base = service.baseUrl();
    for (const QString& url : {base + "images/team/nosuchteam000000.png", base + "images/player/nosuchplayer0000.png",
                               base + "images/country/nosuchcountry000.png", base + "images/coach/abc.png",
                               QString::fromStdString(logo).replace(".png", ".jpg")}) {
        SCOPED_TRACE(url.toStdString());
        EXPECT_EQ(getUrl(url).status, 404);
    }
    // The unknown kind and the other file type never reach the picture route.
    EXPECT_EQ(service.counters().imageRequests, 3);
}

TEST_F(SampleImagesTest, ManyPicturesAtOnceAllArrive)
{
    // A squad screen asks for every photo together; the service draws on several threads.
    std::vector<QNetworkReply*> replies;
    for (const json& player : squad["data"])
        replies.push_back(network.get(QNetworkRequest(QUrl(QString::fromStdString(player["image"]["data"]["path"])))));
    int finished = 0;
    QEventLoop loop;
    for (QNetworkReply* reply : replies) {
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
            if (++finished == static_cast<int>(replies.size()))
                loop.quit();
        });
    }
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(finished, static_cast<int>(replies.size()));
    for (QNetworkReply* reply : replies) {
        EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        EXPECT_FALSE(QImage::fromData(reply->readAll(), "PNG").isNull());
        reply->deleteLater();
    }
}

TEST(HostPlaceholders, BothAreCompiledInAsHorizontalPngs)
{
    const QImage small(QStringLiteral(":/images/imageHorizontalPlaceHolderSmall.png"));
    const QImage big(QStringLiteral(":/images/imageHorizontalPlaceHolderBig.png"));
    ASSERT_FALSE(small.isNull());
    ASSERT_FALSE(big.isNull());
    EXPECT_GT(small.width(), small.height());
    EXPECT_GT(big.width(), big.height());
    EXPECT_GT(big.width(), small.width());
}

} // namespace
} // namespace lanterncrest::test
