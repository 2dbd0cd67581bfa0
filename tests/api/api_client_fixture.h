#pragma once

// What the API client's tests share: the one loopback service of the test process (pointed at by
// LANTERNCREST_API_BASE_URL), captured console lines, a settable log clock, and an empty token
// store and Documents folder for every test.

#include "api/api_response.h"
#include "api/i_network_manager.h"
#include "api/logger.h"
#include "tests/support/console_capture.h"
#include "tests/support/loopback_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace lanterncrest::test {

LoopbackService &apiService();
QString documents();

inline constexpr char seasonId[] = "4jgw0ek6ajq3m5ya";
inline constexpr char seasonPath[] = "/v1/seasons/4jgw0ek6ajq3m5ya/teams";
inline constexpr char loginPath[] = "/v1/clients/web/admin/login";

class ApiClientTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // For table rows: every row starts from the state a fresh test sees.
    void restart() { TearDown(), SetUp(); }

    const QStringList &printed() const { return m_console->lines(); }
    // A log file's content ("" when absent); by default the file of the fixture's day.
    static QByteArray logged(const QString &fileName = "14-03-2026.log");
    // How a log entry reads at the clock's time.
    QByteArray logLine(const QString &message) const;
    // The settings file's bytes as they stand on disk ("" when absent).
    static QByteArray settingsFile();

    // Sends a typed request and runs the event loop until it ends; every completion call.
    template<typename T>
    std::vector<ApiResponse<T>> requestAndWait(INetworkManager &client, const NetworkAPI &api)
    {
        auto calls = std::make_shared<std::vector<ApiResponse<T>>>();
        client.request<T>(api,
                          [calls](const ApiResponse<T> &response) { calls->push_back(response); });
        waitUntil([&] { return !calls->empty(); });
        spinFor(std::chrono::milliseconds(50)); // a second completion would show up here
        return *calls;
    }

    QDateTime now{ QDate(2026, 3, 14), QTime(9, 26, 53) };

private:
    std::optional<ConsoleCapture> m_console;
    Logger::Clock m_previousClock;
};

} // namespace lanterncrest::test
