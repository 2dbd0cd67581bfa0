#pragma once

#include <cstddef>

namespace lanterncrest {

// How many bytes the records decoded from one JSON document may take: the lists and the boxed
// payloads they hold, counted by their size in memory before any of them is built. A record
// can be far larger than its text (an empty player, "{}", is three bytes of text and about a
// kilobyte decoded), so a body the HTTP layer accepts could otherwise decode into gigabytes.
// A squad of 100,000 players with names and positions takes about 110 MB decoded, with a
// country, its flag and a photo each about 190 MB: they pass, while the flood of empty records
// a body cap's worth of text can hold (ten million players) fails before a single one is built.
inline constexpr std::size_t maximumDecodedBytes = std::size_t{ 256 } << 20;

// What is left of one document's budget. Once a request does not fit, the budget stays spent:
// every later request fails too, so a failure that a lenient read swallows still stops the
// decoding of the rest, and the document fails as a whole.
class DecodeBudget
{
public:
    explicit DecodeBudget(std::size_t bytes = maximumDecodedBytes) noexcept : m_left(bytes) { }

    // Takes room for `count` values of `size` bytes each; false when they do not fit.
    bool take(std::size_t count, std::size_t size) noexcept
    {
        if (m_spent || (size != 0 && count > m_left / size)) {
            m_spent = true;
            return false;
        }
        m_left -= count * size;
        return true;
    }
    bool spent() const noexcept { return m_spent; }

private:
    std::size_t m_left;
    bool m_spent = false;
};

} // namespace lanterncrest
