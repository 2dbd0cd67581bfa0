#pragma once

#include <QString>

#include <optional>

namespace lanterncrest {

// Why the HTTP layer could not deliver a result. A value: the kind for code, the
// description for people (it never holds a header value or a request body).
struct HttpError
{
    enum class Kind {
        InvalidUrl, // not an absolute http/https URL: nothing was sent
        ParameterEncodingFailed, // the parameters could not be encoded: nothing was sent
        CannotConnect, // refused, no such host, no network
        ConnectionLost, // the connection closed before the answer was complete
        TimedOut, // the total or the idle time-out passed
        RedirectRefused, // a redirect to another origin
        TooManyRedirects, // redirects that go on and on (a loop)
        SecureConnectionFailed, // TLS handshake or certificate verification failed
        ResponseTooLarge, // the body passed the session's size cap
        TransferFailed, // any other transport failure
        EmptyResponse, // an answer without a body where one was expected
        InvalidJson, // the body is not JSON
        Cancelled, // the request was cancelled
        UnacceptableStatusCode, // a caller that checks status codes refused this one
    };

    Kind kind = Kind::TransferFailed;
    QString description;
    std::optional<int> statusCode; // set for UnacceptableStatusCode

    // The text shown or logged for this error.
    const QString &localizedDescription() const { return description; }

    static HttpError make(Kind kind, const QString &detail = {});
    static HttpError unacceptableStatusCode(int statusCode);

    friend bool operator==(const HttpError &, const HttpError &) = default;
};

} // namespace lanterncrest
