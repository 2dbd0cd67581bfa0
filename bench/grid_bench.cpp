// From the teams answer in hand to the grid's first drawn frame, through the real entry screen
// in a host's window: a season of 10,000 teams against one of 100, and 100 teams of which the
// first is named with 10 MB against the same 100 with ordinary names.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <variant>

#include "api/api_configuration.h"
#include "bench/median_collector.h"
#include "bench/private_home.h"
#include "platform/foundation/console.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "screens/teams/season_teams_view_controller.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::bench {
namespace {

constexpr qsizetype hugeNameBytes = 10 * 1024 * 1024;

const QByteArray &teamsPath()
{
    static const QByteArray path =
            QByteArray("/v1/seasons/") + SeasonTeamsViewController::seasonId + "/teams";
    return path;
}

// The service's answer for a season of `count` teams, each with the members a real team
// record has but its logo (a logo only arrives after the first frame). With `firstNameBytes`,
// the first team's English name is that long.
QByteArray teamsAnswer(int count, qsizetype firstNameBytes = 0)
{
    QByteArray json = R"({"data":[)";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray name = i == 0 && firstNameBytes > 0
                ? QByteArray("Long Name ").repeated(firstNameBytes / 10)
                : "Team " + n;
        if (i > 0) {
            json += ',';
        }
        json += R"({"object":"Team","id":"team-)" + n + R"(","ar_name":"فريق )" + n
                + R"(","en_name":")" + name
                + R"(","ar_nickname":"الصقور","en_nickname":"The Falcons","sports":"football",)"
                  R"("team_type":"club","years":"1960","matches_count":)"
                + n + "}";
    }
    return json + "]}";
}

// Watches one entry screen from its view load to its first frame with team cards.
//
// The clock starts when the client has the whole answer in hand, which it marks by printing
// the first line after the request's URL, and stops when the first frame that draws a card
// has been drawn whole: the card's paint event runs inside the frame, and what the event loop
// takes up next comes after it.
class FirstFrame : public QObject
{
public:
    FirstFrame()
    {
        m_previousSink = Console::setSink([this](const QString &line) {
            if (line.endsWith(QLatin1String(teamsPath()))) {
                m_asked = true;
            } else if (m_asked && m_arrived < 0) {
                m_arrived = m_clock.nsecsElapsed();
            }
        });
        QCoreApplication::instance()->installEventFilter(this);
        m_clock.start();
    }
    ~FirstFrame() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        Console::setSink(std::move(m_previousSink));
    }

    // Seconds from the answer to the frame, or why there are none.
    std::variant<double, const char *> measure(std::chrono::seconds timeout)
    {
        m_window.resize(375, 667);
        m_window.setRootViewController(m_screen);
        m_window.show();
        test::waitUntil([this] { return m_drawn >= 0; }, timeout);
        if (m_arrived < 0) {
            return "the client printed no line when the answer arrived";
        }
        if (m_drawn < 0) {
            return "no frame with team cards in time";
        }
        return double(m_drawn - m_arrived) / 1e9;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_arrived >= 0 && !m_frameSeen && isCard(watched)) {
            m_frameSeen = true;
            QMetaObject::invokeMethod(
                    this, [this] { m_drawn = m_clock.nsecsElapsed(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool isCard(QObject *watched) const
    {
        const CollectionView *grid = m_screen->teamsCollectionView();
        return grid && watched->parent() == grid->viewport();
    }

    QElapsedTimer m_clock;
    Console::Sink m_previousSink;
    std::shared_ptr<SeasonTeamsViewController> m_screen =
            SeasonTeamsViewController::viewController();
    NavigationController m_window;
    bool m_asked = false;
    bool m_frameSeen = false;
    qint64 m_arrived = -1;
    qint64 m_drawn = -1;
};

test::LoopbackService *service = nullptr;

void answerToFirstFrame(benchmark::State &state, const QByteArray &answer)
{
    service->answer(teamsPath(), test::ScriptedAnswer::json(200, answer));
    for (auto _ : state) {
        std::variant<double, const char *> seconds;
        {
            FirstFrame frame;
            seconds = frame.measure(std::chrono::seconds(300));
        }
        ProgressHUD::dismiss();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (const char *const *why = std::get_if<const char *>(&seconds)) {
            state.SkipWithError(*why);
            return;
        }
        state.SetIterationTime(std::get<double>(seconds));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * answer.size()));
}

// As many screens as fill 0.2 s of measured time, at least one: a frame that takes seconds is
// measured once per repetition.
void registerFirstFrame(const char *name, QByteArray answer)
{
    benchmark::RegisterBenchmark(name,
                                 [answer = std::move(answer)](benchmark::State &state) {
                                     answerToFirstFrame(state, answer);
                                 })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    using namespace lanterncrest;
    using bench::MedianCollector;
    bench::PrivateHome home;
    if (!home.isValid()) {
        return 2;
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("LanterncrestBench");
    QCoreApplication::setApplicationName("grid_bench");

    test::LoopbackService service;
    bench::service = &service;
    qputenv(ApiConfiguration::baseUrlVariable, service.url().toUtf8());

    bench::registerFirstFrame("teams-100", bench::teamsAnswer(100));
    bench::registerFirstFrame("teams-10000", bench::teamsAnswer(10000));
    bench::registerFirstFrame("huge-name", bench::teamsAnswer(100, bench::hugeNameBytes));

    MedianCollector collector(MedianCollector::Clock::Reported);
    runBenchmarks(argc, argv, collector);

    collector.printRatio("grid/10000-vs-100", "teams-10000", "teams-100");
    collector.printRatio("grid/huge-name-vs-normal", "huge-name", "teams-100");
    return 0;
}
