#include "platform/coding/encoder.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lanterncrest {

// nlohmann writes a number as the shortest text of its double, and the double of 72.35f is
// 72.3499984741211. The shortest text of the float, read back as a double, is written as
// that same text and still reads back as the same float.
void SingleValueEncodingContainer::encode(float value)
{
    if (!std::isfinite(value)) {
        *m_target = nullptr; // JSON has no infinity; decoding never produces one
        return;
    }
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    double shortest = 0;
    const auto read = std::from_chars(buffer.data(), written.ptr, shortest);
    if (written.ec != std::errc() || read.ec != std::errc()
        || static_cast<float>(shortest) != value) {
        shortest = static_cast<double>(value); // exact, if longer
    }
    *m_target = shortest;
}

} // namespace lanterncrest
