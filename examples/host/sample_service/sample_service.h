#pragma once

#include <QString>

#include <memory>

namespace lanterncrest {

// A sample football data service on 127.0.0.1 for the host example and for manual runs.
// It serves an invented season (kSampleSeasonId) over plain HTTP on a background thread, so
// it keeps answering while the caller's thread is busy:
//
//   GET  v1/seasons/<season>/teams                              teams of the season
//   GET  v1/team-players-in-current-season?id=<team>&season_id=<season>   squad of a team
//   POST v1/clients/web/admin/login   {"email": ..., "password": ...}     a bearer token
//   GET  images/<team|player|country>/<id>[_thumb].png                   drawn pictures
//
// Data requests need "Authorization: Bearer <token>" with the token of this run, so the
// first one a client sends is answered 401 and the client's log-in road runs. Pictures need
// no token. Refusals carry a JSON body {"message": ...}.
class SampleService
{
public:
    // What the service has answered so far; each figure only grows.
    struct Counters
    {
        int dataRequests = 0; // requests to the two data endpoints, refused ones included
        int unauthorized = 0; // data requests answered 401
        int loginAttempts = 0; // posts to the login endpoint
        int logins = 0; // of those, the ones that got a token
        int imageRequests = 0; // picture requests, found or not
    };

    SampleService();
    ~SampleService(); // stops the service
    SampleService(const SampleService &) = delete;
    SampleService &operator=(const SampleService &) = delete;

    // Listens on 127.0.0.1:port (0 picks a free port). False when already running or when
    // the port cannot be bound.
    bool start(quint16 port = 0);
    // Stops listening and waits for the worker thread; answers in progress finish first.
    void stop();

    bool isRunning() const;
    quint16 port() const; // 0 while stopped
    QString baseUrl() const; // "http://127.0.0.1:PORT/", empty while stopped
    Counters counters() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace lanterncrest
