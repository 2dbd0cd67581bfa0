#include "platform/coding/decoding_error.h"

#include <utility>

namespace lanterncrest {

DecodingError::DecodingError(Kind kind, std::vector<CodingPathComponent> codingPath,
                             std::string debugDescription)
    : m_kind(kind),
      m_codingPath(std::move(codingPath)),
      m_debugDescription(std::move(debugDescription))
{
}

std::string DecodingError::codingPathText() const
{
    std::string text;
    for (const CodingPathComponent &component : m_codingPath) {
        if (component.index) {
            text += '[' + std::to_string(*component.index) + ']';
        } else {
            if (!text.empty()) {
                text += '.';
            }
            text += component.key;
        }
    }
    return text;
}

std::string DecodingError::description() const
{
    const std::string path = codingPathText();
    return std::string(toString(m_kind)) + " at " + (path.empty() ? std::string("the root") : path)
            + ": " + m_debugDescription;
}

const char *toString(DecodingError::Kind kind)
{
    switch (kind) {
    case DecodingError::Kind::typeMismatch:
        return "typeMismatch";
    case DecodingError::Kind::valueNotFound:
        return "valueNotFound";
    case DecodingError::Kind::keyNotFound:
        return "keyNotFound";
    case DecodingError::Kind::dataCorrupted:
        return "dataCorrupted";
    }
    return "dataCorrupted";
}

} // namespace lanterncrest
