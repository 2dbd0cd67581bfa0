// What an answer larger than the session's body cap costs in memory: a 100 MB chunked
// answer against the default 32 MB cap.
//
// The figure is the process's peak resident memory while the request runs, above what it
// held when the request started, as a multiple of the cap. The peak is the kernel's own
// high-water mark (VmHWM in /proc/self/status), reset to the current size before each
// request by writing 5 to /proc/self/clear_refs, so it counts every page the process
// touched: Qt's network thread, its buffers and ours. The answer comes from a plain socket
// server on a thread of this process that writes the same 64 KiB piece over and over, so
// the server side holds no more than that piece.
//
// The server answers 20 ms after the request, as a service across a network does at the
// least. Qt starts a request inside QNetworkAccessManager::get(), before any read limit can be
// set; an answer that arrives within microseconds (a thread of the same process on a busy
// machine) may be read whole by Qt's network thread before the limit reaches it.
#include "bench/median_collector.h"
#include "bench/peak_memory.h"

#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "platform/http/session.h"

namespace lanterncrest::bench {
namespace {

constexpr qint64 answerSize = qint64{ 100 } << 20;
constexpr std::size_t pieceSize = std::size_t{ 64 } << 10;
constexpr std::chrono::milliseconds latency{ 20 };

// Answers every connection with a chunked body of answerSize bytes, then closes it; stops
// writing as soon as the client goes away.
class ChunkedServer
{
public:
    ChunkedServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0
            || ::listen(m_listener, 4) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
            return;
        }
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~ChunkedServer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        ::close(m_listener);
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    ChunkedServer(const ChunkedServer &) = delete;
    ChunkedServer &operator=(const ChunkedServer &) = delete;

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/big").arg(m_port); }
    bool isListening() const { return m_port != 0; }

private:
    void serve()
    {
        const std::string piece(pieceSize, 'x');
        char sizeLine[32];
        const int sizeLength = std::snprintf(sizeLine, sizeof sizeLine, "%zx\r\n", piece.size());
        for (int client; (client = ::accept(m_listener, nullptr, nullptr)) >= 0; ::close(client)) {
            std::string request;
            char buffer[4096];
            for (ssize_t got; request.find("\r\n\r\n") == std::string::npos
                 && (got = ::recv(client, buffer, sizeof buffer, 0)) > 0;) {
                request.append(buffer, std::size_t(got));
            }
            std::this_thread::sleep_for(latency);
            bool open = sendAll(client,
                                "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: "
                                "chunked\r\n\r\n");
            for (qint64 sent = 0; open && sent < answerSize; sent += qint64(piece.size())) {
                open = sendAll(client, std::string_view(sizeLine, std::size_t(sizeLength)))
                        && sendAll(client, piece) && sendAll(client, "\r\n");
            }
            if (open) {
                sendAll(client, "0\r\n\r\n");
            }
        }
    }
    static bool sendAll(int socket, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) {
                return false;
            }
            bytes.remove_prefix(std::size_t(sent));
        }
        return true;
    }

    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

double worstPeakOverCap = 0;

// Runs one request to its end; the peak memory above the start, in bytes.
qint64 fetchOnce(Session &session, const QString &url, bool &refused)
{
    PeakMeter peak;
    if (!peak.start()) {
        return -1;
    }
    QEventLoop loop;
    session.request(url)->responseData([&](const DataResponse<QByteArray> &response) {
        refused = response.error() && response.error()->kind == HttpError::Kind::ResponseTooLarge;
        loop.quit();
    });
    loop.exec();
    return peak.added();
}

void overCap(benchmark::State &state)
{
    ChunkedServer server;
    Session session;
    if (!server.isListening()) {
        state.SkipWithError("no loopback socket");
        return;
    }
    const double cap = double(session.configuration().maximumBodySize);
    bool refused = false;
    fetchOnce(session, server.url(), refused); // Qt's network thread and caches start here
    double worst = 0;
    for (auto _ : state) {
        const qint64 peak = fetchOnce(session, server.url(), refused);
        if (peak < 0 || !refused) {
            state.SkipWithError(peak < 0 ? "the peak memory cannot be reset"
                                         : "the answer was not refused");
            return;
        }
        worst = std::max(worst, double(peak) / cap);
    }
    state.counters["peak-over-cap"] = worst;
    worstPeakOverCap = std::max(worstPeakOverCap, worst);
}

BENCHMARK(overCap)->Name("body-cap")->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
} // namespace lanterncrest::bench

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    lanterncrest::bench::MedianCollector table(lanterncrest::bench::MedianCollector::Clock::Cpu);
    lanterncrest::bench::runBenchmarks(argc, argv, table);
    if (lanterncrest::bench::worstPeakOverCap > 0) {
        std::printf("body-cap/peak-over-cap: %.3f\n", lanterncrest::bench::worstPeakOverCap);
    }
    return 0;
}
