#pragma once

#include <optional>
#include <string_view>

#include "platform/coding/decodable.h"
#include "platform/coding/decode_result.h"
#include "platform/export.h"

namespace lanterncrest {

// Decodes a whole JSON document into a value, by the strict default rules of the coding
// containers. Bytes that are not JSON (a UTF-8 byte-order mark before the document is
// allowed), that nest deeper than maximumJsonNesting, or whose records would take more than
// maximumDecodedBytes, fail as dataCorrupted. Never throws for bad input.
class LANTERNCREST_EXPORT JSONDecoder
{
public:
    template<class T>
    static DecodeResult<T> decode(std::string_view bytes);

private:
    using DecodeRoot = bool (*)(void *context, const Decoder &root);
    // Parses `bytes` with this thread's parser and hands the root to `decodeRoot` while the
    // parsed document is alive.
    static bool decodeDocument(std::string_view bytes, DecodingError &error, DecodeRoot decodeRoot,
                               void *context);
};

template<class T>
DecodeResult<T> JSONDecoder::decode(std::string_view bytes)
{
    std::optional<T> value;
    DecodingError error;
    const DecodeRoot decodeRoot = [](void *context, const Decoder &root) {
        return coding_detail::decodeIntoSlot(root, *static_cast<std::optional<T> *>(context));
    };
    if (decodeDocument(bytes, error, decodeRoot, &value)) {
        return DecodeResult<T>(std::move(*value));
    }
    return DecodeResult<T>(std::move(error));
}

} // namespace lanterncrest
