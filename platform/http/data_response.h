#pragma once

#include "platform/http/http_error.h"
#include "platform/http/http_headers.h"

#include <QByteArray>
#include <QUrl>

#include <optional>
#include <variant>

namespace lanterncrest {

// The HTTP answer as it arrived: present whenever a status line was received, whatever
// the status (the HTTP layer does not judge status codes).
struct HttpResponse
{
    int statusCode = 0;
    QUrl url;
    HttpHeaders headers;
};

// What a response handler receives: the answer (absent when none arrived), the body bytes
// (absent when none arrived) and the result of serialising the body into T.
template<typename T>
struct DataResponse
{
    std::optional<HttpResponse> response;
    std::optional<QByteArray> data;
    std::variant<T, HttpError> result;

    bool isSuccess() const { return result.index() == 0; }
    const T *value() const { return std::get_if<0>(&result); }
    const HttpError *error() const { return std::get_if<1>(&result); }
    std::optional<int> statusCode() const
    {
        return response ? std::optional<int>(response->statusCode) : std::nullopt;
    }
};

} // namespace lanterncrest
