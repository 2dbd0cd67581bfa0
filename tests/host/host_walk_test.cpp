#include "tests/host/host_run.h"

#include "examples/host/sample_service/sample_service.h"

#include <QDir>

#include <gtest/gtest.h>

namespace lanterncrest::test {
namespace {

constexpr const char* kPictures[] = {"1-teams.png", "2-squad.png", "3-profile.png"};

TEST(HostWalk, GivesUpAfterItsTimeOutSayingWhatItWaitedFor)
{
    // A service that is gone: every request fails, the grid stays empty.
    SampleService service;
    ASSERT_TRUE(service.start());
    const QString gone = service.baseUrl();
    service.stop();
    QTemporaryDir pictures;

    const HostRun run = runHost({QStringLiteral("--walk"), pictures.path(), QStringLiteral("--service"), gone,
                                 QStringLiteral("--timeout"), QStringLiteral("2")},
                                {}, 30);

    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("timed out after 2 s waiting for the teams grid")))
        << run.errorText.toStdString();
    EXPECT_TRUE(run.playerActionLines().isEmpty());
    EXPECT_FALSE(QDir(pictures.path()).exists(QString::fromLatin1(kPictures[0])));
}

TEST(HostWalk, RefusesArgumentsItCannotUse)
{
    QTemporaryDir pictures;
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"--timeout", "0"}, "Not a number of seconds: 0"},
        {{"--timeout", "soon"}, "Not a number of seconds: soon"},
        {{"--service", "ftp://127.0.0.1/"}, "Not a service URL"},
        {{"--service", "http://127.0.0.1/?season=1"}, "Not a service URL"},
        {{"elsewhere"}, "Unexpected argument: elsewhere"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const HostRun run = runHost(QStringList{QStringLiteral("--walk"), pictures.path()} + c.arguments, {}, 30);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errorText.contains(QString::fromLatin1(c.says))) << run.errorText.toStdString();
        EXPECT_TRUE(run.outputLines.isEmpty());
    }
}

} // namespace
} // namespace lanterncrest::test
