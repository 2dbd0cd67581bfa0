// Arbitrary bytes go to the decoding of the service's answers and of a person. Whatever
// decodes is encoded, decoded again, and must come back equal and encode to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "records/answers.h"
#include "records/coach.h"
#include "records/people.h"

namespace {

using namespace lanterncrest;

[[noreturn]] void fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s\n%s\n", what, text.c_str());
    std::abort();
}

template<class T>
void roundTrip(std::string_view bytes)
{
    const DecodeResult<T> first = JSONDecoder::decode<T>(bytes);
    if (!first.ok()) {
        // A failure must still describe itself without trouble.
        if (first.error().description().empty()) {
            fail("an error without a description", std::string(bytes));
        }
        return;
    }
    const std::string text = JSONEncoder::encodeToString(first.value());
    const DecodeResult<T> second = JSONDecoder::decode<T>(text);
    if (!second.ok()) {
        fail(second.error().description().c_str(), text);
    }
    if (!(second.value() == first.value())) {
        fail("decoding the encoded record gave another record", text);
    }
    if (JSONEncoder::encodeToString(second.value()) != text) {
        fail("encoding is not stable", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    roundTrip<SeasonTeams>(bytes);
    roundTrip<PlayerList>(bytes);
    roundTrip<PlayerCoaches>(bytes);
    roundTrip<People>(bytes);
    return 0;
}
