#pragma once

#include "api/api_error.h"

#include <utility>
#include <variant>

namespace lanterncrest {

// What a request hands to its completion: the value it produced, or why it failed.
//
//   if (const SeasonTeams* teams = response.value()) ... else print(response.error()->rendering());
template<typename T>
class ApiResponse
{
public:
    static ApiResponse success(T value)
    {
        return ApiResponse(std::in_place_index<0>, std::move(value));
    }
    static ApiResponse failure(ApiError error)
    {
        return ApiResponse(std::in_place_index<1>, std::move(error));
    }

    bool isSuccess() const { return m_result.index() == 0; }
    // The value of a success, or nullptr for a failure.
    const T *value() const { return std::get_if<0>(&m_result); }
    T *value() { return std::get_if<0>(&m_result); }
    // The error of a failure, or nullptr for a success.
    const ApiError *error() const { return std::get_if<1>(&m_result); }

private:
    template<std::size_t Index, typename Arg>
    ApiResponse(std::in_place_index_t<Index> index, Arg &&arg)
        : m_result(index, std::forward<Arg>(arg))
    {
    }

    std::variant<T, ApiError> m_result;
};

} // namespace lanterncrest
