#pragma once

#include <utility>
#include <variant>

#include "platform/coding/decoding_error.h"

namespace lanterncrest {

// A decoded value or the error that stopped it: never both, never neither.
template<class T>
class DecodeResult
{
public:
    DecodeResult(T value) : m_result(std::in_place_index<0>, std::move(value)) { }
    DecodeResult(DecodingError error) : m_result(std::in_place_index<1>, std::move(error)) { }

    bool ok() const noexcept { return m_result.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }

    // Only when ok().
    const T &value() const & { return std::get<0>(m_result); }
    T &value() & { return std::get<0>(m_result); }
    T &&value() && { return std::get<0>(std::move(m_result)); }

    // Only when !ok().
    const DecodingError &error() const { return std::get<1>(m_result); }

private:
    std::variant<T, DecodingError> m_result;
};

} // namespace lanterncrest
