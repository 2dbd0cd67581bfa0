#pragma once

#include "api/i_error_protocol.h"

#include <QString>
#include <optional>

namespace lanterncrest {

// The framework's own error value.
class CustomError final : public IErrorProtocol
{
public:
    CustomError() = default;
    CustomError(std::optional<QString> title, qint64 code, QString description);

    std::optional<QString> title;
    qint64 code = 0;
    QString _description;

    // Both are _description.
    std::optional<QString> errorDescription() const override;
    std::optional<QString> failureReason() const override;
    std::optional<QString> errorTitle() const override;
    qint64 errorCode() const override;

    // The value as it reads when printed or logged, e.g.
    // CustomError(title: Optional("Error"), code: 0, _description: "Try again")
    // Texts are quoted with quotes, backslashes and control characters escaped, so the
    // rendering is always one line.
    QString rendering() const;

    bool operator==(const CustomError &other) const;
};

} // namespace lanterncrest
