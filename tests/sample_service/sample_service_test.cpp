#include "examples/host/sample_service/sample_service.h"

#include "api/api_configuration.h"
#include "platform/coding/json_decoder.h"
#include "records/answers.h"
#include "tests/support/loopback_service.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;

constexpr const char *kSeason = "4jgw0ek6ajq3m5ya";
constexpr const char *kLogin = "v1/clients/web/admin/login";

QString seasonPath(const QString &season)
{
    return "v1/seasons/" + season + "/teams";
}
QString squadPath(const QString &team, const QString &season)
{
    return "v1/team-players-in-current-season?id=" + team + "&season_id=" + season;
}

struct Exchange
{
    int status = 0; // 0: no HTTP answer within the time limit
    QByteArray contentType, body;

    json parsed() const { return json::parse(body.constBegin(), body.constEnd(), nullptr, false); }
};

// Waits for all replies together, so a test can ask for many at once as a screen does.
std::vector<Exchange> finish(const std::vector<QNetworkReply *> &replies)
{
    const auto finished = [](QNetworkReply *reply) { return reply->isFinished(); };
    waitUntil([&] { return std::all_of(replies.begin(), replies.end(), finished); }, 20s);
    std::vector<Exchange> exchanges;
    for (QNetworkReply *reply : replies) {
        const int status = reply->isFinished()
                ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()
                : 0;
        exchanges.push_back({ status, reply->rawHeader("Content-Type"), reply->readAll() });
        reply->deleteLater(); // aborts it if still running
    }
    return exchanges;
}

// A login body; by default the service account's.
QByteArray
credentials(const std::string &email = ApiConfiguration::serviceAccountEmail().toStdString(),
            const std::string &password = ApiConfiguration::serviceAccountPassword().toStdString())
{
    return QByteArray::fromStdString(json{ { "email", email }, { "password", password } }.dump());
}

class SampleServiceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(service.start()); }
    // Closing the client's idle connections first lets the service stop at once.
    void TearDown() override
    {
        network.clearConnectionCache();
        service.stop();
    }

    QNetworkRequest request(const QString &pathOrUrl, const QByteArray &authorization = {}) const
    {
        QNetworkRequest r{ QUrl(pathOrUrl.startsWith("http") ? pathOrUrl
                                                             : service.baseUrl() + pathOrUrl) };
        r.setRawHeader("Content-Type", "application/json");
        if (!authorization.isNull()) // null: no header at all
            r.setRawHeader("Authorization", authorization);
        return r;
    }
    Exchange get(const QString &at, const QByteArray &auth = {})
    {
        return finish({ network.get(request(at, auth)) })[0];
    }
    // A fresh client sends "Bearer " with no token.
    Exchange data(const QString &path, const QByteArray &token = "")
    {
        return get(path, "Bearer " + token);
    }
    Exchange logIn(const QByteArray &body)
    {
        return finish({ network.post(request(kLogin), body) })[0];
    }
    QByteArray token()
    {
        return QByteArray::fromStdString(logIn(credentials()).parsed().value("access_token", ""));
    }

    SampleService service;
    QNetworkAccessManager network;
};

TEST_F(SampleServiceTest, OnlyTheServiceAccountGetsATokenAndDataNeedsTheExactOneOfThisRun)
{
    const std::string email = ApiConfiguration::serviceAccountEmail().toStdString();
    const std::string password = ApiConfiguration::serviceAccountPassword().toStdString();
    const std::pair<QByteArray, int> cases[] = {
        { credentials(email, password + "x"), 401 },
        { credentials(email, QString::fromStdString(password).toUpper().toStdString()), 401 },
        { credentials("someone." + email, password), 401 },
        { R"({"email":"service@lanterncrest.example"})", 422 },
        { R"({"email":"service@lanterncrest.example","password":16})", 422 },
        { "email=service", 422 },
        { R"({"email":1e400})", 422 }, // too large for a double: the parser must not throw
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Exchange reply = logIn(cases[i].first);
        SCOPED_TRACE(i);
        EXPECT_EQ(reply.status, cases[i].second);
        EXPECT_TRUE(reply.parsed().contains("message") && !reply.parsed().contains("access_token"));
    }
    EXPECT_EQ(service.counters().logins, 0);

    const Exchange refused = data(seasonPath(kSeason));
    EXPECT_EQ(refused.status, 401);
    EXPECT_TRUE(refused.parsed().contains("message"));

    json answer = logIn(credentials()).parsed();
    ASSERT_TRUE(answer["access_token"].is_string() && answer["refresh_token"].is_string());
    const QByteArray token = QByteArray::fromStdString(answer["access_token"]);
    const QByteArray wrong[] = { {},
                                 token,
                                 "Basic " + token,
                                 "Bearer " + token.chopped(1),
                                 "Bearer " + token + "x",
                                 "Bearer " + QByteArray::fromStdString(answer["refresh_token"]) };
    // Never print the token.
    for (std::size_t i = 0; i < std::size(wrong); ++i)
        EXPECT_EQ(get(seasonPath(kSeason), wrong[i]).status, 401) << "case " << i;
    EXPECT_EQ(data(seasonPath(kSeason), token).status, 200);

    // A restarted service forgets the tokens of its previous run.
    TearDown();
    ASSERT_TRUE(service.start());
    EXPECT_EQ(data(seasonPath(kSeason), token).status, 401);
    EXPECT_EQ(data(seasonPath(kSeason), this->token()).status, 200);
    // It owns its port.
    EXPECT_FALSE(service.start());
    SampleService second;
    EXPECT_FALSE(second.start(service.port()));
}

// Arabic letters lie in U+0600..U+067F, whose UTF-8 lead bytes are D8 and D9; Latin text has
// neither.
using Text = std::optional<std::string>;
bool isArabic(const Text &t)
{
    return t && t->find_first_of("\xD8\xD9") != std::string::npos;
}
bool isEnglish(const Text &t)
{
    return t && !t->empty() && !isArabic(t) && QString::fromUtf8(*t)[0].isLetter();
}
template<class P>
bool hasPicture(const std::optional<P> &p)
{
    return p && p->data && p->data->thumb && p->data->path;
}

TEST_F(SampleServiceTest, SeasonAndSquadsDecodeIntoTheFrameworksRecords)
{
    const QByteArray token = this->token();
    const auto season =
            JSONDecoder::decode<SeasonTeams>(data(seasonPath(kSeason), token).body.toStdString());
    ASSERT_TRUE(season.ok()) << season.error().description();
    ASSERT_GE(season.value().data.value_or(std::vector<TeamData>{}).size(), 12u);
    std::set<std::string> teamIds;
    for (const TeamData &team : *season.value().data) {
        ASSERT_TRUE(team.id && isEnglish(team.en_name));
        SCOPED_TRACE(*team.en_name);
        EXPECT_TRUE(isArabic(team.ar_name) && hasPicture(team.image)
                    && teamIds.insert(*team.id).second);

        const auto squad = JSONDecoder::decode<PlayerList>(
                data(squadPath(QString::fromStdString(*team.id), kSeason), token)
                        .body.toStdString());
        ASSERT_TRUE(squad.ok() && squad.value().data);
        EXPECT_GE(squad.value().data->size(), 20u);
        std::set<std::string> positions, countries;
        std::set<std::int64_t> numbers;
        for (const People &p : *squad.value().data) {
            SCOPED_TRACE(p.en_name.value_or("?"));
            EXPECT_TRUE(isArabic(p.ar_name) && isEnglish(p.en_name) && hasPicture(p.image));
            EXPECT_TRUE(p.national_shirt_number && numbers.insert(*p.national_shirt_number).second);
            EXPECT_TRUE(p.currentTeam && p.currentTeam->data && p.currentTeam->data->id == team.id);
            ASSERT_TRUE(p.position && p.position->data && p.position->data->en_name);
            EXPECT_TRUE(isArabic(p.position->data->ar_name));
            ASSERT_TRUE(p.country && p.country->data && p.country->data->en_name);
            EXPECT_TRUE(hasPicture(p.country->data->image));
            positions.insert(*p.position->data->en_name);
            countries.insert(*p.country->data->en_name);
        }
        EXPECT_EQ(positions.size(), 4u);
        // The squad card colours a player by the exact country name, trailing blank included.
        EXPECT_TRUE(countries.count("Qatar") && countries.count("Argentina ")
                    && !countries.count("Argentina"));
        EXPECT_GE(countries.size(), 3u);
    }
}

TEST_F(SampleServiceTest, PicturesAreDistinctPngsWithoutATokenAndUnknownPathsAreNotFound)
{
    const QByteArray token = this->token();
    json season = data(seasonPath(kSeason), token).parsed();
    const QString team = QString::fromStdString(season["data"][0]["id"]);
    json squad = data(squadPath(team, kSeason), token).parsed();
    ASSERT_TRUE(season["data"].size() >= 2 && squad["data"].size() >= 2);
    std::vector<json> pictures = { season["data"][0]["image"], season["data"][1]["image"],
                                   squad["data"][0]["country"]["data"]["image"] };
    for (json &player : squad["data"])
        pictures.push_back(player["image"]);
    std::vector<QNetworkReply *> replies;
    for (json &picture : pictures)
        for (const char *size : { "thumb", "path" })
            replies.push_back(network.get(request(QString::fromStdString(picture["data"][size]))));
    std::set<QByteArray> distinct;
    for (const Exchange &e : finish(replies)) {
        EXPECT_EQ(e.status, 200);
        EXPECT_EQ(e.contentType, "image/png");
        EXPECT_FALSE(QImage::fromData(e.body, "PNG").isNull());
        distinct.insert(e.body);
    }
    EXPECT_EQ(distinct.size(), replies.size());

    for (const QString &path :
         { seasonPath("0000000000000000"), seasonPath(QString(kSeason).toUpper()),
           squadPath(team, "0000000000000000"), squadPath("nosuchteam000000", kSeason),
           "v1/team-players-in-current-season?id=" + team, QStringLiteral("v1/players/abc"),
           QStringLiteral("images/team/nosuchteam000000.png"),
           QStringLiteral("images/team/../../etc.png"), QString() }) {
        const Exchange reply = data(path, token);
        EXPECT_EQ(reply.status, 404) << path.toStdString();
        EXPECT_TRUE(reply.parsed().contains("message")) << path.toStdString();
    }
}

TEST(HostPlaceholders, BothAreCompiledInAsHorizontalPngs)
{
    const QImage small(QStringLiteral(":/images/imageHorizontalPlaceHolderSmall.png"));
    const QImage big(QStringLiteral(":/images/imageHorizontalPlaceHolderBig.png"));
    EXPECT_TRUE(!small.isNull() && small.width() > small.height());
    EXPECT_TRUE(big.width() > small.width() && big.width() > big.height());
}

} // namespace
} // namespace lanterncrest::test
