#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/export.h"

namespace lanterncrest {

// One step from the document's root to a value: a member's key or a list position.
struct CodingPathComponent
{
    std::string key; // empty for a list position
    std::optional<std::size_t> index; // set for a list position

    bool operator==(const CodingPathComponent &) const = default;
};

// Why a value could not be decoded, and where. A value, never thrown.
class LANTERNCREST_EXPORT DecodingError
{
public:
    enum class Kind {
        typeMismatch, // a value of another JSON kind than the one asked for
        valueNotFound, // null where a value is required
        keyNotFound, // a required key is missing
        dataCorrupted, // not JSON at all, or a number that does not fit the asked type
    };

    DecodingError() = default;
    DecodingError(Kind kind, std::vector<CodingPathComponent> codingPath,
                  std::string debugDescription);

    Kind kind() const { return m_kind; }
    const std::vector<CodingPathComponent> &codingPath() const { return m_codingPath; }
    const std::string &debugDescription() const { return m_debugDescription; }

    // The path as text, "data[3].country.data.id"; empty at the document's root.
    std::string codingPathText() const;
    // The whole error for a log line or a message: kind, path and description. It holds only
    // key texts, positions and fixed wording, never bytes of the input.
    std::string description() const;

    bool operator==(const DecodingError &) const = default;

private:
    Kind m_kind = Kind::dataCorrupted;
    std::vector<CodingPathComponent> m_codingPath;
    std::string m_debugDescription;
};

LANTERNCREST_EXPORT const char *toString(DecodingError::Kind kind);

} // namespace lanterncrest
