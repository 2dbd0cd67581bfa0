#pragma once

#include <QString>
#include <optional>

namespace lanterncrest {

// An error that can describe itself to a person: a description, the reason it failed,
// and a heading and number to show beside them.
class IErrorProtocol
{
public:
    virtual ~IErrorProtocol() = default;

    virtual std::optional<QString> errorDescription() const = 0;
    virtual std::optional<QString> failureReason() const = 0;
    virtual std::optional<QString> errorTitle() const = 0;
    virtual qint64 errorCode() const = 0;

    // The error description, or an empty text when there is none.
    QString localizedDescription() const { return errorDescription().value_or(QString()); }

protected:
    IErrorProtocol() = default;
    IErrorProtocol(const IErrorProtocol &) = default;
    IErrorProtocol &operator=(const IErrorProtocol &) = default;
};

} // namespace lanterncrest
