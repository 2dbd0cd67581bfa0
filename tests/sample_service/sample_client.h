#pragma once

#include "examples/host/sample_service/sample_service.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace lanterncrest::test {

// One finished exchange with the sample service.
struct Exchange {
    int status = 0; // 0: no HTTP answer within the time limit
    QByteArray contentType;
    QByteArray body;

    nlohmann::json json() const { return nlohmann::json::parse(body.constBegin(), body.constEnd(), nullptr, false); }
};

// A running sample service and a client for it, as the framework talks to it.
class SampleServiceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.start()); }
    void TearDown() override;

    // Sends a request to a path below the base URL and waits for its answer.
    Exchange get(const QString& path, const QByteArray& token = {});
    Exchange post(const QString& path, const QByteArray& body) { return postUrl(service.baseUrl() + path, body); }
    Exchange postUrl(const QString& url, const QByteArray& body);
    Exchange getUrl(const QString& url, const QByteArray& authorization = {});
    // Logs in with the service account and returns the access token (empty on failure).
    QByteArray login() { return login(service); }
    QByteArray login(const SampleService& target);

    static QString seasonPath(const QString& season) { return "v1/seasons/" + season + "/teams"; }
    static QString squadPath(const QString& team, const QString& season)
    {
        return "v1/team-players-in-current-season?id=" + team + "&season_id=" + season;
    }

    SampleService service;
    QNetworkAccessManager network;
};

// A login body {"email": ..., "password": ...}.
QByteArray credentials(const std::string& email, const std::string& password);

inline constexpr const char* kSeason = "4jgw0ek6ajq3m5ya";

} // namespace lanterncrest::test
