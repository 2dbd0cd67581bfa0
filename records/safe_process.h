#pragma once

#include <optional>

#include "platform/coding/coding.h"

namespace lanterncrest {

// Reads one value leniently: it holds the T decoded from the decoder's single value, or
// nothing when that value does not decode as a T (null, another kind, a number that does not
// fit, a nested record that fails anywhere inside). Its decoding never fails, and the failure
// it swallows is never described. It comes into being only by decoding.
template<class T>
class SafeProcess
{
public:
    explicit SafeProcess(const Decoder &decoder)
    {
        coding_detail::decodeIntoSlot(decoder.discardingErrors(), m_value);
    }

    const std::optional<T> &value() const noexcept { return m_value; }

private:
    std::optional<T> m_value;
};

} // namespace lanterncrest
