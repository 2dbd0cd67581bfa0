#include "platform/http/http_error.h"

namespace lanterncrest {

namespace {

QString baseText(HttpError::Kind kind)
{
    using Kind = HttpError::Kind;
    switch (kind) {
    case Kind::InvalidUrl:
        return QStringLiteral("URL is not valid");
    case Kind::ParameterEncodingFailed:
        return QStringLiteral("Parameter encoding failed");
    case Kind::CannotConnect:
        return QStringLiteral("Could not connect to the server.");
    case Kind::ConnectionLost:
        return QStringLiteral("The network connection was lost.");
    case Kind::TimedOut:
        return QStringLiteral("The request timed out.");
    case Kind::RedirectRefused:
        return QStringLiteral(
                "The server redirected to another origin; the redirect was not followed.");
    case Kind::TooManyRedirects:
        return QStringLiteral("There were too many redirects.");
    case Kind::SecureConnectionFailed:
        return QStringLiteral("A secure connection to the server could not be made.");
    case Kind::ResponseTooLarge:
        return QStringLiteral("The response is too large.");
    case Kind::TransferFailed:
        return QStringLiteral("The request failed.");
    case Kind::EmptyResponse:
        return QStringLiteral(
                "Response could not be serialized, input data was nil or zero length.");
    case Kind::InvalidJson:
        return QStringLiteral("JSON could not be serialized");
    case Kind::Cancelled:
        return QStringLiteral("The request was explicitly cancelled.");
    case Kind::UnacceptableStatusCode:
        return QStringLiteral("Response status code was unacceptable");
    }
    return QStringLiteral("The request failed.");
}

} // namespace

HttpError HttpError::make(Kind kind, const QString &detail)
{
    const QString base = baseText(kind);
    if (detail.isEmpty())
        return { kind, base, std::nullopt };
    // Texts that end a sentence take the detail as a second sentence; the others as a label.
    return { kind, base.endsWith('.') ? base + ' ' + detail : base + QStringLiteral(": ") + detail,
             std::nullopt };
}

HttpError HttpError::unacceptableStatusCode(int statusCode)
{
    HttpError error = make(Kind::UnacceptableStatusCode, QString::number(statusCode) + '.');
    error.statusCode = statusCode;
    return error;
}

} // namespace lanterncrest
