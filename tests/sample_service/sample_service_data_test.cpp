#include "tests/sample_service/sample_client.h"

#include <QRegularExpression>

#include <map>
#include <set>

namespace lanterncrest::test {
namespace {

using nlohmann::json;

enum class Kind { Text, Integer, Number, Object, TextOrNull };

struct Member {
    const char* key;
    Kind kind;
};

// Every member that the records read must come with the kind they expect: a text as a
// string, an integer as an exact integral number, never the other way round.
void expectKinds(const json& object, std::initializer_list<Member> members, const std::string& where)
{
    ASSERT_TRUE(object.is_object()) << where;
    for (const Member& m : members) {
        const auto found = object.find(m.key);
        ASSERT_NE(found, object.end()) << where << " lacks " << m.key;
        bool ok = false;
        switch (m.kind) {
        case Kind::Text: ok = found->is_string(); break;
        case Kind::Integer: ok = found->is_number_integer(); break;
        case Kind::Number: ok = found->is_number(); break;
        case Kind::Object: ok = found->is_object() && found->contains("data") && (*found)["data"].is_object(); break;
        case Kind::TextOrNull: ok = found->is_string() || found->is_null(); break;
        }
        EXPECT_TRUE(ok) << where << ": " << m.key << " is " << found->type_name();
    }
}

bool hasArabicLetter(const std::string& text)
{
    return QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("[\\x{0621}-\\x{064A}]")));
}

bool isLatinText(const std::string& text)
{
    const QString q = QString::fromStdString(text);
    return !q.isEmpty() && !hasArabicLetter(text) && q.at(0).isLetter();
}

class SampleDataTest : public SampleServiceTest {
protected:
    void SetUp() override
    {
        SampleServiceTest::SetUp();
        token = login();
        ASSERT_FALSE(token.isEmpty());
    }

    json teams()
    {
        const Exchange reply = get(seasonPath(kSeason), token);
        EXPECT_EQ(reply.status, 200);
        return reply.json();
    }

    QByteArray token;
};

void expectImage(const json& envelope, const std::string& base, const std::string& where)
{
    const json& data = envelope["data"];
    expectKinds(data, {{"object", Kind::Text}, {"id", Kind::Text}, {"path", Kind::Text}, {"thumb", Kind::Text}}, where);
    EXPECT_EQ(data["path"].get<std::string>().rfind(base, 0), 0u) << where;
    EXPECT_EQ(data["thumb"].get<std::string>().rfind(base, 0), 0u) << where;
    EXPECT_NE(data["path"], data["thumb"]) << where;
}

void expectCountry(const json& envelope, const std::string& base, const std::string& where)
{
    const json& data = envelope["data"];
    expectKinds(data, {{"object", Kind::Text}, {"id", Kind::Text}, {"ar_name", Kind::Text}, {"en_name", Kind::Text},
                       {"ar_nickname", Kind::Text}, {"en_nickname", Kind::Text}, {"image", Kind::Object},
                       {"continent", Kind::Object}},
                where);
    expectImage(data["image"], base, where + " flag");
}

TEST_F(SampleDataTest, SeasonHasAtLeastTwelveTeamsInBothLanguages)
{
    const json answer = teams();
    ASSERT_TRUE(answer["data"].is_array());
    const json& data = answer["data"];
    EXPECT_GE(data.size(), 12u);
    expectKinds(answer["meta"]["pagination"], {{"total", Kind::Integer}, {"count", Kind::Integer}}, "meta");

    const std::string base = service.baseUrl().toStdString();
    std::set<std::string> ids, names;
    for (const json& team : data) {
        const std::string where = team.value("en_name", "team");
        expectKinds(team,
                    {{"object", Kind::Text}, {"id", Kind::Text}, {"ar_name", Kind::Text}, {"en_name", Kind::Text},
                     {"ar_nickname", Kind::Text}, {"en_nickname", Kind::Text}, {"sports", Kind::Text},
                     {"team_type", Kind::Text}, {"years", Kind::Text}, {"matches_count", Kind::Integer},
                     {"country", Kind::Object}, {"image", Kind::Object}, {"club", Kind::Object}},
                    where);
        EXPECT_TRUE(hasArabicLetter(team["ar_name"])) << where;
        EXPECT_TRUE(isLatinText(team["en_name"])) << where;
        expectImage(team["image"], base, where + " logo");
        expectCountry(team["country"], base, where + " country");
        expectKinds(team["club"]["data"],
                    {{"id", Kind::Text}, {"foundation_date", Kind::Integer}, {"full_foundation_date", Kind::Text},
                     {"age", Kind::Text}, {"socialMedia", Kind::Object}},
                    where + " club");
        ids.insert(team["id"]);
        names.insert(team["en_name"]);
    }
    EXPECT_EQ(ids.size(), data.size());
    EXPECT_EQ(names.size(), data.size());
}

TEST_F(SampleDataTest, EverySquadHasTwentyPlayersInFourPositionsWithEveryCardColouring)
{
    const json season = teams();
    const std::string base = service.baseUrl().toStdString();
    std::set<std::string> playerIds;
    for (const json& team : season["data"]) {
        const std::string teamName = team["en_name"];
        const Exchange reply = get(squadPath(QString::fromStdString(team["id"]), kSeason), token);
        ASSERT_EQ(reply.status, 200) << teamName;
        const json squad = reply.json();
        ASSERT_TRUE(squad["data"].is_array()) << teamName;
        EXPECT_GE(squad["data"].size(), 20u) << teamName;

        std::map<std::string, std::string> positions; // English name to Arabic name
        std::set<long long> shirtNumbers;
        std::set<std::string> countries;
        for (const json& player : squad["data"]) {
            const std::string where = teamName + " / " + player.value("en_name", "player");
            expectKinds(player,
                        {{"object", Kind::Text}, {"id", Kind::Text}, {"ar_name", Kind::Text}, {"en_name", Kind::Text},
                         {"birth_date", Kind::Text}, {"is_international", Kind::Integer}, {"is_retired", Kind::Integer},
                         {"shirt_number", Kind::Integer}, {"national_shirt_number", Kind::Integer},
                         {"market_value", Kind::Text}, {"weight", Kind::Number}, {"height", Kind::Number},
                         {"matches", Kind::Integer}, {"age", Kind::Integer}, {"assists", Kind::Integer},
                         {"retired_year", Kind::TextOrNull}, {"academy_year", Kind::TextOrNull},
                         {"country", Kind::Object}, {"image", Kind::Object}, {"position", Kind::Object},
                         {"socialMedia", Kind::Object}, {"currentTeam", Kind::Object},
                         {"nationalTeam", Kind::Object}, {"portrait", Kind::Object}},
                        where);
            EXPECT_TRUE(hasArabicLetter(player["ar_name"])) << where;
            EXPECT_TRUE(isLatinText(player["en_name"])) << where;
            expectImage(player["image"], base, where + " photo");
            expectCountry(player["country"], base, where + " country");
            EXPECT_EQ(player["currentTeam"]["data"]["id"], team["id"]) << where;

            const json& position = player["position"]["data"];
            expectKinds(position, {{"id", Kind::Text}, {"ar_name", Kind::Text}, {"en_name", Kind::Text}}, where);
            positions[position["en_name"]] = position["ar_name"];
            EXPECT_TRUE(hasArabicLetter(position["ar_name"])) << where;

            const long long number = player["national_shirt_number"];
            EXPECT_TRUE(number >= 1 && number <= 99) << where;
            EXPECT_TRUE(shirtNumbers.insert(number).second) << where << " repeats shirt " << number;
            countries.insert(player["country"]["data"]["en_name"]);
            EXPECT_TRUE(playerIds.insert(player["id"]).second) << where << " repeats an id";
        }
        EXPECT_EQ(positions.size(), 4u) << teamName;
        // The squad card colours its players by exact country name: each squad shows all three.
        EXPECT_TRUE(countries.count("Qatar")) << teamName;
        EXPECT_TRUE(countries.count("Argentina ")) << teamName;
        EXPECT_FALSE(countries.count("Argentina")) << teamName;
        EXPECT_GE(countries.size(), 3u) << teamName;
    }
}

TEST_F(SampleDataTest, UnknownSeasonsAndTeamsAreNotFound)
{
    const QString team = QString::fromStdString(teams()["data"][0]["id"]);
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"other season's teams", seasonPath("0000000000000000")},
        {"season id in other case", seasonPath(QString(kSeason).toUpper())},
        {"squad in another season", squadPath(team, "0000000000000000")},
        {"squad without a season", "v1/team-players-in-current-season?id=" + team},
        {"unknown team", squadPath("nosuchteam000000", kSeason)},
        {"empty team", squadPath("", kSeason)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange reply = get(c.path, token);
        EXPECT_EQ(reply.status, 404);
        EXPECT_TRUE(reply.json().contains("message"));
    }
}

TEST_F(SampleDataTest, TwoServicesServeTheSameSeasonApartFromTheirAddress)
{
    SampleService other;
    ASSERT_TRUE(other.start());
    const QByteArray otherToken = login(other);
    ASSERT_FALSE(otherToken.isEmpty());
    EXPECT_NE(otherToken, token);

    const QString team = QString::fromStdString(teams()["data"][0]["id"]);
    for (const QString& path : {seasonPath(kSeason), squadPath(team, kSeason)}) {
        SCOPED_TRACE(path.toStdString());
        QByteArray mine = get(path, token).body;
        QByteArray theirs = getUrl(other.baseUrl() + path, "Bearer " + otherToken).body;
        ASSERT_FALSE(mine.isEmpty());
        EXPECT_NE(mine, theirs);
        mine.replace(service.baseUrl().toUtf8(), "BASE/");
        theirs.replace(other.baseUrl().toUtf8(), "BASE/");
        EXPECT_EQ(mine, theirs);
    }
    network.clearConnectionCache();
}

} // namespace
} // namespace lanterncrest::test
