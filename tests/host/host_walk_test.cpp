#include "tests/host/host_run.h"

#include "examples/host/sample_service/sample_season.h"
#include "examples/host/sample_service/sample_service.h"

#include <QDir>
#include <QImage>
#include <QSet>

#include <cstdlib>

#include <gtest/gtest.h>

namespace lanterncrest::test {
namespace {

constexpr const char *kPictures[] = { "1-teams.png", "2-squad.png", "3-profile.png" };

struct Road
{
    QString teamId; // the first card of the grid
    QString playerId; // the first card of its squad: first position by English name, then answer
                      // order
};

Road firstRoad()
{
    const SampleSeason &season = sampleSeason();
    const SampleTeam &team = season.teams.front();
    const SamplePlayer *first = nullptr;
    for (const SamplePlayer &player : team.players) {
        // UTF-8 byte order is the order of Unicode scalar values.
        if (!first
            || season.positions[player.position].enName < season.positions[first->position].enName)
            first = &player;
    }
    return { QString::fromStdString(team.id),
             first ? QString::fromStdString(first->id) : QString() };
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

// Pixels of the top left card close to the colour: the first team's crest once it has loaded.
int pixelsOfFirstCardNear(const QImage &image, Rgb colour)
{
    const QColor wanted = QColor::fromRgb(colour);
    int count = 0;
    for (int y = 0; y < image.height() / 3; ++y) {
        for (int x = 0; x < image.width() / 3; ++x) {
            const QColor seen = image.pixelColor(x, y);
            if (std::abs(seen.red() - wanted.red()) <= 8
                && std::abs(seen.green() - wanted.green()) <= 8
                && std::abs(seen.blue() - wanted.blue()) <= 8)
                ++count;
        }
    }
    return count;
}

void expectWalkedRoad(const HostRun &run, const QString &baseUrl, const QDir &pictures)
{
    ASSERT_EQ(run.exitCode, 0) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("the three screens are in ")
                                       + pictures.absolutePath()))
            << run.errorText.toStdString();

    const Road road = firstRoad();
    ASSERT_FALSE(road.playerId.isEmpty());
    EXPECT_EQ(run.playerActionLines(),
              (QStringList{ QStringLiteral("follow: ") + road.playerId,
                            QStringLiteral("view posts: ") + road.playerId }));

    // The framework's own diagnostics: the refused first request led to one log-in, and the
    // teams and the first team's squad were asked for where the host pointed it.
    EXPECT_EQ(run.count(QStringLiteral("refresh token called")), 1);
    EXPECT_GE(run.count(baseUrl + QStringLiteral("v1/seasons/4jgw0ek6ajq3m5ya/teams")), 1);
    EXPECT_GE(run.count(baseUrl + QStringLiteral("v1/team-players-in-current-season?id=")
                        + road.teamId + QStringLiteral("&season_id=4jgw0ek6ajq3m5ya")),
              1);

    std::vector<QImage> images;
    for (const char *name : kPictures) {
        const QImage image(pictures.filePath(QString::fromLatin1(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(distinctColours(image), 50) << name << " looks blank";
        images.push_back(image.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(images[0].size(), images[1].size());
    EXPECT_EQ(images[1].size(), images[2].size());
    EXPECT_GT(pixelsOfFirstCardNear(images[0], sampleSeason().teams.front().primary), 200)
            << "the first team's crest is not in the picture of the grid";
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[1], images[2]);
}

// The three ways a host learns where its service is.
TEST(HostWalk, WalksFromTheTeamsToAProfileAndReportsBothActions)
{
    enum class Pointing { Argument, Environment, SampleService };
    const struct
    {
        const char *name;
        Pointing pointing;
    } cases[] = {
        { "--service", Pointing::Argument },
        { "LANTERNCREST_API_BASE_URL", Pointing::Environment },
        { "its own sample service", Pointing::SampleService },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SampleService service;
        ASSERT_TRUE(service.start());
        QTemporaryDir pictures;
        QStringList arguments{ QStringLiteral("--walk"), pictures.path(),
                               QStringLiteral("--timeout"), QStringLiteral("60") };
        QProcessEnvironment overrides;
        if (c.pointing == Pointing::Argument)
            arguments << QStringLiteral("--service") << service.baseUrl();
        if (c.pointing == Pointing::Environment)
            overrides.insert(QStringLiteral("LANTERNCREST_API_BASE_URL"), service.baseUrl());

        const HostRun run = runHost(arguments, overrides);

        if (c.pointing == Pointing::SampleService) {
            // The host's own service runs on another port; ours heard nothing.
            EXPECT_EQ(service.counters().dataRequests, 0);
            const QString said = QStringLiteral("service at ");
            const qsizetype at = run.errorText.indexOf(said);
            ASSERT_GE(at, 0) << run.errorText.toStdString();
            const QString hostService =
                    run.errorText.mid(at + said.size()).section(QLatin1Char('\n'), 0, 0);
            EXPECT_TRUE(hostService.startsWith(QStringLiteral("http://127.0.0.1:")))
                    << hostService.toStdString();
            expectWalkedRoad(run, hostService, QDir(pictures.path()));
        } else {
            expectWalkedRoad(run, service.baseUrl(), QDir(pictures.path()));
            const SampleService::Counters counters = service.counters();
            EXPECT_EQ(counters.unauthorized, 1);
            EXPECT_EQ(counters.logins, 1);
            EXPECT_EQ(counters.dataRequests, 3); // refused teams, teams again, the squad
            EXPECT_GT(counters.imageRequests, 0);
        }
    }
}

TEST(HostWalk, GivesUpAfterItsTimeOutSayingWhatItWaitedFor)
{
    // A service that is gone: every request fails, the grid stays empty.
    SampleService service;
    ASSERT_TRUE(service.start());
    const QString gone = service.baseUrl();
    service.stop();
    QTemporaryDir pictures;

    const HostRun run =
            runHost({ QStringLiteral("--walk"), pictures.path(), QStringLiteral("--service"), gone,
                      QStringLiteral("--timeout"), QStringLiteral("2") },
                    {}, 30);

    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errorText.contains(
            QStringLiteral("timed out after 2 s waiting for the teams grid")))
            << run.errorText.toStdString();
    EXPECT_TRUE(run.playerActionLines().isEmpty());
    EXPECT_FALSE(QDir(pictures.path()).exists(QString::fromLatin1(kPictures[0])));
}

TEST(HostWalk, RefusesArgumentsItCannotUse)
{
    QTemporaryDir pictures;
    const struct
    {
        QStringList arguments;
        const char *says;
    } cases[] = {
        { { "--timeout", "0" }, "Not a number of seconds: 0" },
        { { "--timeout", "soon" }, "Not a number of seconds: soon" },
        { { "--service", "ftp://127.0.0.1/" }, "Not a service URL" },
        { { "--service", "http://127.0.0.1/?season=1" }, "Not a service URL" },
        { { "elsewhere" }, "Unexpected argument: elsewhere" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says);
        const HostRun run = runHost(
                QStringList{ QStringLiteral("--walk"), pictures.path() } + c.arguments, {}, 30);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errorText.contains(QString::fromLatin1(c.says)))
                << run.errorText.toStdString();
        EXPECT_TRUE(run.outputLines.isEmpty());
    }
}

} // namespace
} // namespace lanterncrest::test
