#include "platform/coding/json_decoder.h"

#include <string>

#include "platform/coding/json_nesting.h"

namespace lanterncrest {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// A parser keeps buffers sized for the largest document it has read. Answers of the service
// are tens of kilobytes; a parser that grew past this for an unusual one is let go, so it
// does not pin that memory for the life of the thread.
constexpr std::size_t keptCapacity = std::size_t{ 16 } << 20;

// One parser per thread, reused. A decode started from within another decode on the same
// thread gets a parser of its own, since the outer document must stay alive.
class ParserLease
{
public:
    ParserLease() : m_usesShared(!shared().busy)
    {
        if (m_usesShared) {
            shared().busy = true;
        } else {
            m_own.emplace();
        }
    }
    ~ParserLease()
    {
        if (m_usesShared) {
            shared().busy = false;
            if (shared().parser.capacity() > keptCapacity) {
                shared().parser = simdjson::dom::parser();
            }
        }
    }
    ParserLease(const ParserLease &) = delete;
    ParserLease &operator=(const ParserLease &) = delete;

    simdjson::dom::parser &parser() { return m_usesShared ? shared().parser : *m_own; }

private:
    struct Shared
    {
        simdjson::dom::parser parser;
        bool busy = false;
    };
    static Shared &shared()
    {
        thread_local Shared instance;
        return instance;
    }

    bool m_usesShared;
    std::optional<simdjson::dom::parser> m_own;
};

} // namespace

bool JSONDecoder::decodeDocument(std::string_view bytes, DecodingError &error,
                                 DecodeRoot decodeRoot, void *context)
{
    if (bytes.starts_with(byteOrderMark)) { // simdjson refuses it
        bytes.remove_prefix(byteOrderMark.size());
    }
    // simdjson builds its document without recursing, so its own depth limit refuses a text
    // that nests too deep at no extra cost.
    ParserLease lease;
    simdjson::dom::parser &parser = lease.parser();
    simdjson::error_code failure = simdjson::SUCCESS;
    if (parser.max_depth() != maximumJsonNesting) {
        failure = parser.allocate(bytes.size(), maximumJsonNesting);
    }
    simdjson::dom::element root;
    if (failure == simdjson::SUCCESS) {
        failure = parser.parse(bytes.data(), bytes.size()).get(root);
    }
    if (failure == simdjson::DEPTH_ERROR) {
        error = DecodingError(DecodingError::Kind::dataCorrupted, {},
                              "The given data was not valid JSON: it nests deeper than "
                                      + std::to_string(maximumJsonNesting) + " levels.");
        return false;
    }
    if (failure != simdjson::SUCCESS) {
        error = DecodingError(DecodingError::Kind::dataCorrupted, {},
                              std::string("The given data was not valid JSON: ")
                                      + simdjson::error_message(failure));
        return false;
    }
    DecodeBudget budget;
    const bool decoded = decodeRoot(context, Decoder(root, nullptr, &error, &budget));
    if (budget.spent()) {
        error = DecodingError(DecodingError::Kind::dataCorrupted, {},
                              "The given data would take more than "
                                      + std::to_string(maximumDecodedBytes >> 20)
                                      + " MiB once decoded.");
        return false;
    }
    return decoded;
}

} // namespace lanterncrest
