#pragma once

#include <QByteArray>
#include <QString>

namespace lanterncrest {

// Where the framework's service lives and the account it logs in with. Compiled in; only
// the base URL can be pointed elsewhere, through LANTERNCREST_API_BASE_URL (the tests'
// loopback service and the sample host use it). The password never leaves the login
// request's body: don't print or log it.
class ApiConfiguration
{
public:
    static constexpr const char *baseUrlVariable = "LANTERNCREST_API_BASE_URL";

    // The base URL in effect for this process: the environment's override as resolved by
    // resolveBaseUrl(), read on the first call and kept from then on. An https or http URL
    // ending in "/".
    static QString baseUrl();

    // Points this process at another service from now on, as if the environment had named
    // `overrideText` (resolved by resolveBaseUrl()); tests use it to move between services.
    // Returns the base URL that was in effect.
    static QString setBaseUrl(const QString &overrideText);

    // The origin of baseUrl() ("scheme://host:port", see httpOrigin()).
    static QString origin();

    // The compiled-in base URL.
    static QString compiledBaseUrl();

    // The base URL that an override text gives: the compiled one when the text is empty or
    // not an absolute http(s) URL with a host and without query or fragment; otherwise the
    // text with a "/" appended when it lacks one.
    static QString resolveBaseUrl(const QByteArray &overrideText);

    static QString serviceAccountEmail();
    static QString serviceAccountPassword();

private:
    static QString &settledBaseUrl();
};

} // namespace lanterncrest
