#include "examples/host/sample_service/sample_season.h"
#include "examples/host/sample_service/sample_service.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

namespace lanterncrest::test {
namespace {

// One finished run of the built lanterncrest-host, offscreen, in a HOME of its own.
struct HostRun
{
    int exitCode = -1; // -1: it crashed or was stopped for taking too long
    QStringList outputLines; // standard output
    QString errorText; // standard error

    int count(const QString &line) const { return static_cast<int>(outputLines.count(line)); }
    // The output lines that are player actions, "follow: ..." or "view posts: ...".
    QStringList playerActionLines() const
    {
        return outputLines.filter(QRegularExpression(QStringLiteral("^(follow|view posts): ")));
    }
};

// Runs the host with `arguments` and the environment `overrides` on top of this process's
// own (without LANTERNCREST_API_BASE_URL unless the overrides set it), waiting at most
// `limitSeconds`.
HostRun runHost(const QStringList &arguments, const QProcessEnvironment &overrides = {},
                int limitSeconds = 120)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable :
         { "LANTERNCREST_API_BASE_URL", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME" })
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(overrides);

    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(LANTERNCREST_HOST_PROGRAM), arguments);
    HostRun run;
    if (!host.waitForFinished(limitSeconds * 1000)) {
        host.kill();
        host.waitForFinished();
    } else if (host.exitStatus() == QProcess::NormalExit) {
        run.exitCode = host.exitCode();
    }
    run.outputLines = QString::fromUtf8(host.readAllStandardOutput())
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errorText = QString::fromUtf8(host.readAllStandardError());
    return run;
}

constexpr const char *kPictures[] = { "1-teams.png", "2-squad.png", "3-profile.png" };

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Pixels of the top left card close to the colour: the first team's crest once it has loaded.
int pixelsOfFirstCardNear(const QImage &image, Rgb colour)
{
    const QColor wanted = QColor::fromRgb(colour);
    int count = 0;
    for (int y = 0; y < image.height() / 3; ++y)
        for (int x = 0; x < image.width() / 3; ++x) {
            const QColor seen = image.pixelColor(x, y);
            count += std::abs(seen.red() - wanted.red()) <= 8
                    && std::abs(seen.green() - wanted.green()) <= 8
                    && std::abs(seen.blue() - wanted.blue()) <= 8;
        }
    return count;
}

void expectWalkedRoad(const HostRun &run, const QString &baseUrl, const QDir &pictures)
{
    ASSERT_EQ(run.exitCode, 0) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains("the three screens are in " + pictures.absolutePath()))
            << run.errorText.toStdString();

    // The first team's first card: first position by English name, then answer order (UTF-8 byte
    // order is the order of Unicode scalar values).
    const SampleSeason &season = sampleSeason();
    const SampleTeam &team = season.teams.front();
    const auto first = std::min_element(
            team.players.begin(), team.players.end(), [&](const auto &a, const auto &b) {
                return season.positions[a.position].enName < season.positions[b.position].enName;
            });
    ASSERT_NE(first, team.players.end());
    const QString player = QString::fromStdString(first->id);
    EXPECT_EQ(run.playerActionLines(),
              (QStringList{ "follow: " + player, "view posts: " + player }));

    // The framework's own diagnostics: the refused first request led to one log-in, and the
    // teams and the first team's squad were asked for where the host pointed it.
    EXPECT_EQ(run.count("refresh token called"), 1);
    EXPECT_GE(run.count(baseUrl + "v1/seasons/4jgw0ek6ajq3m5ya/teams"), 1);
    EXPECT_GE(run.count(baseUrl + "v1/team-players-in-current-season?id="
                        + QString::fromStdString(team.id) + "&season_id=4jgw0ek6ajq3m5ya"),
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
    EXPECT_GT(pixelsOfFirstCardNear(images[0], team.primary), 200)
            << "the first team's crest is not in the picture of the grid";
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[1], images[2]);
}

// The three ways a host learns where its service is.
TEST(HostWalk, WalksFromTheTeamsToAProfileAndReportsBothActions)
{
    enum class Pointing { Argument, Environment, SampleService };
    const std::pair<const char *, Pointing> cases[] = {
        { "--service", Pointing::Argument },
        { "LANTERNCREST_API_BASE_URL", Pointing::Environment },
        { "its own sample service", Pointing::SampleService },
    };
    for (const auto &[name, pointing] : cases) {
        SCOPED_TRACE(name);
        SampleService service;
        ASSERT_TRUE(service.start());
        QTemporaryDir pictures;
        QStringList arguments{ "--walk", pictures.path(), "--timeout", "60" };
        QProcessEnvironment overrides;
        if (pointing == Pointing::Argument)
            arguments << "--service" << service.baseUrl();
        if (pointing == Pointing::Environment)
            overrides.insert("LANTERNCREST_API_BASE_URL", service.baseUrl());

        const HostRun run = runHost(arguments, overrides);
        QString baseUrl = service.baseUrl();
        if (pointing == Pointing::SampleService) {
            // The host's own service runs on another port; ours heard nothing.
            EXPECT_EQ(service.counters().dataRequests, 0);
            baseUrl = run.errorText.section("service at ", 1).section(QLatin1Char('\n'), 0, 0);
            EXPECT_TRUE(baseUrl.startsWith("http://127.0.0.1:")) << run.errorText.toStdString();
        } else {
            const SampleService::Counters counters = service.counters();
            EXPECT_EQ(counters.unauthorized, 1);
            EXPECT_EQ(counters.logins, 1);
            EXPECT_EQ(counters.dataRequests, 3); // refused teams, teams again, the squad
            EXPECT_GT(counters.imageRequests, 0);
        }
        expectWalkedRoad(run, baseUrl, QDir(pictures.path()));
    }
}

TEST(HostWalk, RefusesArgumentsItCannotUseAndGivesUpAfterItsTimeOutSayingWhatItWaitedFor)
{
    // A service that is gone: every request fails, the grid stays empty.
    SampleService service;
    ASSERT_TRUE(service.start());
    const QString gone = service.baseUrl();
    service.stop();
    QTemporaryDir pictures;
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char *says;
    } cases[] = {
        { { "--service", gone, "--timeout", "2" },
          1,
          "timed out after 2 s waiting for the teams grid" },
        { { "--timeout", "0" }, 2, "Not a number of seconds: 0" },
        { { "--timeout", "soon" }, 2, "Not a number of seconds: soon" },
        { { "--service", "ftp://127.0.0.1/" }, 2, "Not a service URL" },
        { { "--service", "http://127.0.0.1/?season=1" }, 2, "Not a service URL" },
        { { "elsewhere" }, 2, "Unexpected argument: elsewhere" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says);
        const HostRun run = runHost(QStringList{ "--walk", pictures.path() } + c.arguments, {}, 30);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.errorText.contains(QString::fromLatin1(c.says)))
                << run.errorText.toStdString();
        // A refusal prints nothing; a walk that gave up reports no player action.
        EXPECT_TRUE(c.exitCode == 2 ? run.outputLines.isEmpty()
                                    : run.playerActionLines().isEmpty());
        EXPECT_FALSE(QDir(pictures.path()).exists(QString::fromLatin1(kPictures[0])));
    }
}

} // namespace
} // namespace lanterncrest::test
