#include "api/api_configuration.h"
#include "api/network_api.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

TEST(NetworkAPI, IdentifiersStayInsideTheirSegmentOrValue)
{
    struct Row
    {
        NetworkAPI api;
        const char *sentPath; // as the HTTP layer sends it, dot segments resolved
        const char *query;
    };
    const Row rows[] = {
        { NetworkAPI::findPlayerById("../admin"), "v1/players/..%2Fadmin", "" },
        { NetworkAPI::findPlayerById(".."), "v1/players/%252E%252E", "" },
        { NetworkAPI::findPlayerById("a?b=1#c"), "v1/players/a%3Fb%3D1%23c", "" },
        { NetworkAPI::findPlayerById("لاعب 1"), "v1/players/%D9%84%D8%A7%D8%B9%D8%A8%201", "" },
        { NetworkAPI::getSeasonTeams("../../x"), "v1/seasons/..%2F..%2Fx/teams", "" },
        { NetworkAPI::getTeamPlayers("t&season_id=other", "s#f"),
          "v1/team-players-in-current-season", "id=t%26season_id%3Dother&season_id=s%23f" },
    };
    const QString basePath = QUrl(ApiConfiguration::baseUrl()).path();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.sentPath);
        const QUrl sent =
                QUrl(row.api.url(), QUrl::StrictMode).adjusted(QUrl::NormalizePathSegments);
        ASSERT_TRUE(sent.isValid());
        EXPECT_EQ(sent.path(QUrl::FullyEncoded), basePath + row.sentPath);
        EXPECT_EQ(sent.query(QUrl::FullyEncoded), row.query);
        EXPECT_FALSE(sent.hasFragment());
    }
}

TEST(ApiConfiguration, TheOverrideMustBeAnHttpBaseUrl)
{
    const QString compiled = ApiConfiguration::compiledBaseUrl();
    const std::pair<QByteArray, QString> rows[] = {
        { "", compiled },
        { " https://staging.example.org/api/ ", "https://staging.example.org/api/" },
        { "http://127.0.0.1:40123", "http://127.0.0.1:40123/" },
        { "ftp://example.org/", compiled },
        { "https:///nohost", compiled },
        { "https://example.org/?a=1", compiled },
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(ApiConfiguration::resolveBaseUrl(text), expected) << text.toStdString();
}

} // namespace
} // namespace lanterncrest
