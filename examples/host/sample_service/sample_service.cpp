#include "examples/host/sample_service/sample_service.h"

#include "api/service_account.h"
#include "examples/host/sample_service/sample_answers.h"
#include "examples/host/sample_service/sample_image_store.h"

#include <QRandomGenerator>

#include <sys/socket.h>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <thread>

namespace lanterncrest {
namespace {

constexpr const char *kHost = "127.0.0.1";
constexpr const char *kJson = "application/json";

std::string freshToken()
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string token;
    for (int i = 0; i < 40; ++i)
        token += kHex[QRandomGenerator::system()->bounded(16)];
    return token;
}

void answerJson(httplib::Response &response, int status, const std::string &body)
{
    response.status = status;
    response.set_content(body, kJson);
}

// Reads {"email": text, "password": text}; nothing when the body is not such an object.
std::optional<std::pair<std::string, std::string>> readCredentials(const std::string &body)
{
    try {
        const nlohmann::json json = nlohmann::json::parse(body, nullptr, false);
        if (!json.is_object())
            return std::nullopt;
        const auto email = json.find("email");
        const auto password = json.find("password");
        if (email == json.end() || password == json.end() || !email->is_string()
            || !password->is_string())
            return std::nullopt;
        return std::pair{ email->get<std::string>(), password->get<std::string>() };
    } catch (const nlohmann::json::exception &) {
        return std::nullopt;
    }
}

} // namespace

struct SampleService::Impl
{
    SampleImageStore images{ sampleSeason() };
    std::unique_ptr<httplib::Server> server;
    std::thread worker;
    // Set before the worker starts and left alone until it has been joined, so the handlers
    // read them without a lock.
    std::unique_ptr<SampleAnswers> answers;
    std::string accessToken;
    std::string refreshToken;
    quint16 port = 0;
    std::atomic<bool> workerEnded{ false };

    std::atomic<int> dataRequests{ 0 };
    std::atomic<int> unauthorized{ 0 };
    std::atomic<int> loginAttempts{ 0 };
    std::atomic<int> logins{ 0 };
    std::atomic<int> imageRequests{ 0 };

    // Counts a data request and refuses it without this run's token.
    bool admit(const httplib::Request &request, httplib::Response &response)
    {
        ++dataRequests;
        // A client without a token sends "Bearer " with a trailing blank, which arrives
        // trimmed; either way it is not this run's token.
        if (request.get_header_value("Authorization") == "Bearer " + accessToken)
            return true;
        ++unauthorized;
        answerJson(response, 401, errorBody("Unauthenticated."));
        return false;
    }

    void seasonTeams(const httplib::Request &request, httplib::Response &response)
    {
        if (!admit(request, response))
            return;
        if (request.matches[1] != kSampleSeasonId)
            return answerJson(response, 404, errorBody("No season with this identifier."));
        answerJson(response, 200, answers->seasonTeams());
    }

    void teamPlayers(const httplib::Request &request, httplib::Response &response)
    {
        if (!admit(request, response))
            return;
        if (request.get_param_value("season_id") != kSampleSeasonId)
            return answerJson(response, 404, errorBody("No season with this identifier."));
        const std::string *body = answers->teamPlayers(request.get_param_value("id"));
        if (!body)
            return answerJson(response, 404,
                              errorBody("No team with this identifier in the season."));
        answerJson(response, 200, *body);
    }

    void login(const httplib::Request &request, httplib::Response &response)
    {
        ++loginAttempts;
        const auto credentials = readCredentials(request.body);
        if (!credentials)
            return answerJson(response, 422,
                              errorBody("The email and password fields are required."));
        // The account is the one compiled into the framework, which logs in with it after a 401.
        if (credentials->first != ServiceAccount::email
            || credentials->second != ServiceAccount::password)
            return answerJson(response, 401,
                              errorBody("These credentials do not match our records."));
        ++logins;
        answerJson(response, 200, loginReplyBody(accessToken, refreshToken));
    }

    void image(const httplib::Request &request, httplib::Response &response)
    {
        ++imageRequests;
        const auto png =
                images.png(request.matches[1], request.matches[2], request.matches[3].matched);
        if (!png)
            return answerJson(response, 404, errorBody("No such image."));
        response.status = 200;
        response.set_content(png->constData(), static_cast<std::size_t>(png->size()), "image/png");
    }

    void route(httplib::Server &s)
    {
        s.Get(R"(/v1/seasons/([^/]+)/teams)",
              [this](const auto &rq, auto &rs) { seasonTeams(rq, rs); });
        s.Get("/v1/team-players-in-current-season",
              [this](const auto &rq, auto &rs) { teamPlayers(rq, rs); });
        s.Post("/v1/clients/web/admin/login", [this](const auto &rq, auto &rs) { login(rq, rs); });
        s.Get(R"(/images/(team|player|country)/([0-9a-z]+)(_thumb)?\.png)",
              [this](const auto &rq, auto &rs) { image(rq, rs); });
        const auto notFound = [](const httplib::Request &, httplib::Response &rs) {
            answerJson(rs, 404, errorBody("Not found."));
        };
        s.Get(".*", notFound);
        s.Post(".*", notFound);
    }
};

SampleService::SampleService() : m_impl(std::make_unique<Impl>()) { }

SampleService::~SampleService()
{
    stop();
}

bool SampleService::start(quint16 port)
{
    if (m_impl->server)
        return false;
    auto server = std::make_unique<httplib::Server>();
    // Clients keep connections open; a short idle limit lets stop() return soon after.
    server->set_keep_alive_timeout(1);
    server->set_payload_max_length(64 * 1024);
    // Headers and body go out in separate writes; without this, Nagle and delayed ACKs add
    // tens of milliseconds to every answer.
    server->set_tcp_nodelay(true);
    // cpp-httplib's default sets SO_REUSEPORT, which lets a second service bind the same port
    // and silently take half of the connections. Reusing a port in TIME_WAIT is all we want.
    server->set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    m_impl->route(*server);

    int bound = -1;
    if (port == 0)
        bound = server->bind_to_any_port(kHost);
    else if (server->bind_to_port(kHost, port))
        bound = port;
    if (bound <= 0)
        return false;

    m_impl->port = static_cast<quint16>(bound);
    m_impl->accessToken = freshToken();
    m_impl->refreshToken = freshToken();
    m_impl->answers = std::make_unique<SampleAnswers>(sampleSeason(), baseUrl().toStdString());
    m_impl->server = std::move(server);
    httplib::Server *running = m_impl->server.get();
    m_impl->workerEnded = false;
    m_impl->worker = std::thread([running, &ended = m_impl->workerEnded] {
        running->listen_after_bind();
        ended = true;
    });

    // stop() is only heard once the accept loop runs; wait for it so that an early stop()
    // cannot leave the worker listening forever.
    while (!running->is_running() && !m_impl->workerEnded)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (m_impl->workerEnded) {
        stop();
        return false;
    }
    return true;
}

void SampleService::stop()
{
    if (!m_impl->server)
        return;
    m_impl->server->stop();
    if (m_impl->worker.joinable())
        m_impl->worker.join();
    m_impl->server.reset();
    m_impl->answers.reset();
    m_impl->port = 0;
}

bool SampleService::isRunning() const
{
    return m_impl->server != nullptr;
}

quint16 SampleService::port() const
{
    return m_impl->port;
}

QString SampleService::baseUrl() const
{
    if (m_impl->port == 0)
        return {};
    return QStringLiteral("http://%1:%2/").arg(QLatin1String(kHost)).arg(m_impl->port);
}

SampleService::Counters SampleService::counters() const
{
    return { m_impl->dataRequests.load(), m_impl->unauthorized.load(), m_impl->loginAttempts.load(),
             m_impl->logins.load(), m_impl->imageRequests.load() };
}

} // namespace lanterncrest
