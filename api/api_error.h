#pragma once

#include "api/custom_error.h"

#include <QString>
#include <optional>

namespace lanterncrest {

// Why a request failed, as a value: the HTTP layer's error, a decoding error of the
// answer, or the framework's own CustomError. Callers print or log it without having to
// know which kind it is.
class ApiError {
public:
    enum class Kind { http, decoding, custom };

    // An error of the HTTP layer: its one-line description and how it reads when printed.
    static ApiError http(QString localizedDescription, QString rendering);
    // The answer did not decode into the expected record; `description` names where and why.
    static ApiError decoding(QString description);
    ApiError(CustomError error); // NOLINT(google-explicit-constructor): a CustomError is an ApiError

    Kind kind() const { return kind_; }
    // One line for a person: the HTTP error's or decoder's description, a CustomError's
    // _description.
    QString localizedDescription() const;
    // How the error reads when printed (a CustomError renders its whole value).
    QString rendering() const;
    // The CustomError carried, or nullptr for the other kinds.
    const CustomError* customError() const;

private:
    ApiError(Kind kind, QString description, QString rendering);

    Kind kind_;
    QString description_;
    QString rendering_;
    std::optional<CustomError> custom_;
};

} // namespace lanterncrest
