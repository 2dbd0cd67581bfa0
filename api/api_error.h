#pragma once

#include "api/custom_error.h"
#include "platform/http/http_error.h"

#include <QString>
#include <variant>

namespace lanterncrest {

// Why a request failed, as a value: the HTTP layer's error, a decoding error of the
// answer, or the framework's own CustomError. Callers print or log it without having to
// know which kind it is.
class ApiError
{
public:
    enum class Kind { http, decoding, custom };

    ApiError(HttpError error); // NOLINT(google-explicit-constructor): each is an ApiError
    ApiError(CustomError error); // NOLINT(google-explicit-constructor)
    // The answer did not decode into the expected record; `description` says where and why.
    static ApiError decoding(QString description);

    Kind kind() const { return static_cast<Kind>(m_error.index()); }
    // One line for a person: the HTTP error's or the decoder's description, a CustomError's
    // _description.
    QString localizedDescription() const;
    // How the error reads when printed: a CustomError renders its whole value, the other
    // kinds their description.
    QString rendering() const;

    // The error carried, or nullptr when it is of another kind.
    const HttpError *httpError() const { return std::get_if<HttpError>(&m_error); }
    const CustomError *customError() const { return std::get_if<CustomError>(&m_error); }

private:
    struct DecodingFailure
    {
        QString description;
    };
    explicit ApiError(DecodingFailure failure);

    std::variant<HttpError, DecodingFailure, CustomError> m_error;
};

} // namespace lanterncrest
