#include "api/api_error.h"

#include <utility>

namespace lanterncrest {

ApiError::ApiError(HttpError error) : m_error(std::move(error)) { }

ApiError::ApiError(CustomError error) : m_error(std::move(error)) { }

ApiError::ApiError(DecodingFailure failure) : m_error(std::move(failure)) { }

ApiError ApiError::decoding(QString description)
{
    return ApiError(DecodingFailure{ std::move(description) });
}

QString ApiError::localizedDescription() const
{
    if (const HttpError *http = httpError())
        return http->localizedDescription();
    if (const CustomError *custom = customError())
        return custom->localizedDescription();
    return std::get<DecodingFailure>(m_error).description;
}

QString ApiError::rendering() const
{
    if (const CustomError *custom = customError())
        return custom->rendering();
    return localizedDescription();
}

} // namespace lanterncrest
