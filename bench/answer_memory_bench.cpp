// What a squad answer of 31 MiB, just under the body cap, costs in memory from the body in
// hand to the squad screen's outcome, against what simdjson's own parse of the same bytes
// costs: once for an answer of empty players ("{}", three bytes each), once for the sample
// service's players repeated to that size.
//
// Both figures are the process's peak resident memory above what it held when the span began
// (see peak_memory.h). The framework's span starts when the client has the whole body, which
// it marks by printing the first line after the request's URL, and ends when the screen has
// ended its loading state and laid out what it shows. Large blocks are mapped on their own, so
// memory freed in between goes back to the system and the next span starts from what is live.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <simdjson.h>

#include <QApplication>

#include <algorithm>
#include <map>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "api/api_configuration.h"
#include "bench/median_collector.h"
#include "bench/private_home.h"
#include "bench/peak_memory.h"
#include "examples/host/sample_service/sample_answers.h"
#include "platform/foundation/console.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "screens/teams/player_list_view_controller.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::bench {
namespace {

constexpr qsizetype answerSize = qsizetype{ 31 } << 20;
const QByteArray squadPath = "/v1/team-players-in-current-season";

// {"data":[...]} of `records` repeated, one after the other, until the next would pass `size`.
QByteArray squadOf(const std::vector<std::string> &records, qsizetype size = answerSize)
{
    QByteArray json = R"({"data":[)";
    json.reserve(size);
    for (std::size_t i = 0;; ++i) {
        const std::string &record = records[i % records.size()];
        if (json.size() + qsizetype(record.size()) + 3 > size) {
            break;
        }
        if (i > 0) {
            json += ',';
        }
        json += QByteArray::fromStdString(record);
    }
    return json + "]}";
}

// The players of every team of the sample season, each as its own minified text.
std::vector<std::string> samplePlayers()
{
    const SampleSeason &season = sampleSeason();
    const SampleAnswers answers(season, "http://127.0.0.1:9/");
    std::vector<std::string> players;
    simdjson::dom::parser parser;
    for (const SampleTeam &team : season.teams) {
        simdjson::dom::array data;
        if (parser.parse(*answers.teamPlayers(team.id))["data"].get(data) == simdjson::SUCCESS) {
            for (const simdjson::dom::element player : data) {
                players.push_back(simdjson::minify(player));
            }
        }
    }
    return players;
}

// The memory simdjson's DOM parse of `body` adds, as a parser that reads it afresh takes it.
qint64 parsePeak(const QByteArray &body)
{
    PeakMeter peak;
    if (!peak.start()) {
        return -1;
    }
    qint64 added = -1;
    {
        simdjson::dom::parser parser;
        simdjson::dom::element root;
        if (parser.parse(body.constData(), std::size_t(body.size())).get(root)
            == simdjson::SUCCESS) {
            added = peak.added();
        }
    }
    return added;
}

// Opens a squad screen whose answer is waiting at the loopback service and measures from the
// body in hand to the screen's outcome.
class SquadOutcome
{
public:
    SquadOutcome()
    {
        m_previousSink = Console::setSink([this](const QString &line) {
            if (line.contains(QLatin1String(squadPath))) {
                m_asked = true;
            } else if (m_asked && !m_started) {
                m_started = true;
                m_resettable = m_peak.start();
            }
        });
    }
    ~SquadOutcome()
    {
        Console::setSink(std::move(m_previousSink));
        ProgressHUD::dismiss();
    }

    // The peak added in bytes, or -1 when it could not be measured.
    qint64 measure(test::LoopbackService &service)
    {
        service.clearRequests();
        m_window.setRootViewController(std::make_shared<ViewController>());
        m_window.resize(375, 812);
        m_window.show();
        auto screen = PlayerListViewController::viewController();
        screen->setCurrentTeamId(QStringLiteral("squad"));
        m_window.pushViewController(screen, false);
        const bool ended = test::waitUntil([&] { return m_started && !ProgressHUD::isVisible(); },
                                           std::chrono::minutes(5));
        if (!ended || !m_resettable) {
            return -1;
        }
        if (CollectionView *grid = screen->playerListCollectionView(); grid && grid->isVisible()) {
            grid->layoutIfNeeded();
        }
        return m_peak.added();
    }

private:
    Console::Sink m_previousSink;
    NavigationController m_window;
    PeakMeter m_peak;
    bool m_asked = false;
    bool m_started = false;
    bool m_resettable = false;
};

test::LoopbackService *service = nullptr;
std::map<std::string, double> worstRatios;

void answerOverParse(benchmark::State &state, const std::string &name, const QByteArray &body)
{
    service->answer(squadPath, test::ScriptedAnswer::json(200, body));
    double worst = 0;
    for (auto _ : state) {
        const qint64 parse = parsePeak(body);
        qint64 framework = -1;
        {
            SquadOutcome outcome;
            framework = outcome.measure(*service);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (parse <= 0 || framework < 0) {
            state.SkipWithError("the peak memory could not be measured");
            return;
        }
        state.counters["framework-MB"] = double(framework) / 1e6;
        state.counters["parse-MB"] = double(parse) / 1e6;
        worst = std::max(worst, double(framework) / double(parse));
    }
    state.counters["ratio"] = worst;
    worstRatios[name] = worst;
}

void registerAnswer(const std::string &name, QByteArray body)
{
    benchmark::RegisterBenchmark(("answer-memory/" + name).c_str(),
                                 [name, body = std::move(body)](benchmark::State &state) {
                                     answerOverParse(state, name, body);
                                 })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
}

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    using namespace lanterncrest;
    bench::PrivateHome home;
    if (!home.isValid()) {
        return 2;
    }
    // A fixed threshold: every large block is mapped, and unmapped when freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("LanterncrestBench");
    QCoreApplication::setApplicationName("answer_memory_bench");

    test::LoopbackService service;
    bench::service = &service;
    qputenv(ApiConfiguration::baseUrlVariable, service.url().toUtf8());

    bench::registerAnswer("empty-records", bench::squadOf({ "{}" }));
    bench::registerAnswer("real-records", bench::squadOf(bench::samplePlayers()));

    bench::MedianCollector collector(bench::MedianCollector::Clock::Reported);
    bench::runBenchmarks(argc, argv, collector);
    for (const auto &[name, ratio] : bench::worstRatios) {
        std::printf("answer-memory/%s-vs-parse: %.3f\n", name.c_str(), ratio);
    }
    return 0;
}
