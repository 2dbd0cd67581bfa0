#include "platform/coding/json_nesting.h"

namespace lanterncrest {
namespace {

// The position of the quote that closes the string whose opening quote is at `open`, or the
// end. A quote counts unless an odd number of backslashes stands right before it.
std::size_t closingQuote(std::string_view bytes, std::size_t open)
{
    for (std::size_t quote = bytes.find('"', open + 1); quote != std::string_view::npos;
         quote = bytes.find('"', quote + 1)) {
        std::size_t backslashes = 0;
        while (bytes[quote - 1 - backslashes] == '\\') {
            ++backslashes;
        }
        if (backslashes % 2 == 0) {
            return quote;
        }
    }
    return bytes.size();
}

} // namespace

bool nestsWithinLimit(std::string_view bytes)
{
    std::size_t depth = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        switch (bytes[at]) {
        case '"':
            at = closingQuote(bytes, at);
            break;
        case '[':
        case '{':
            if (++depth > maximumJsonNesting) {
                return false;
            }
            break;
        case ']':
        case '}':
            depth -= depth > 0 ? 1 : 0;
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace lanterncrest
