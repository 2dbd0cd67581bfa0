#pragma once

#include "platform/http/http_error.h"
#include "platform/http/http_headers.h"
#include "platform/http/http_method.h"
#include "platform/http/parameter_encoding.h"

#include <QByteArray>
#include <QNetworkRequest>

#include <nlohmann/json.hpp>

#include <variant>

namespace lanterncrest {

// A request ready for QNetworkAccessManager.
struct BuiltRequest
{
    QNetworkRequest request;
    QByteArray verb;
    QByteArray body;
};

// Turns what a caller asks for into the request that goes out: checks the URL, encodes
// the parameters, and sets the headers with control characters removed.
std::variant<BuiltRequest, HttpError> buildRequest(const QString &url, HttpMethod method,
                                                   const nlohmann::json &parameters,
                                                   ParameterEncoding encoding,
                                                   const HttpHeaders &headers);

// The query text for URL-encoded parameters: keys in order, values percent-encoded,
// arrays as "key[]=", nested objects as "key[sub]=", booleans as 1 and 0.
QByteArray percentEncodedQuery(const nlohmann::json &parameters);

} // namespace lanterncrest
