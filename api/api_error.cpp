#include "api/api_error.h"

#include <utility>

namespace lanterncrest {

ApiError::ApiError(Kind kind, QString description, QString rendering)
    : kind_(kind)
    , description_(std::move(description))
    , rendering_(std::move(rendering))
{
}

ApiError ApiError::http(QString localizedDescription, QString rendering)
{
    return {Kind::http, std::move(localizedDescription), std::move(rendering)};
}

ApiError ApiError::decoding(QString description)
{
    QString rendering = description;
    return {Kind::decoding, std::move(description), std::move(rendering)};
}

ApiError::ApiError(CustomError error)
    : kind_(Kind::custom)
    , custom_(std::move(error))
{
}

QString ApiError::localizedDescription() const
{
    return custom_ ? custom_->localizedDescription() : description_;
}

QString ApiError::rendering() const
{
    return custom_ ? custom_->rendering() : rendering_;
}

const CustomError* ApiError::customError() const
{
    return custom_ ? &*custom_ : nullptr;
}

} // namespace lanterncrest
