#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace lanterncrest {

// An ordered set of HTTP header fields; names compare case-insensitively.
class HttpHeaders
{
public:
    using Field = std::pair<QString, QString>;

    HttpHeaders() = default;
    HttpHeaders(std::initializer_list<Field> fields);

    // Sets `name` to `value`, replacing an earlier value of the same name in its place.
    void set(const QString &name, const QString &value);
    std::optional<QString> value(const QString &name) const;

    bool isEmpty() const { return m_fields.empty(); }
    std::size_t size() const { return m_fields.size(); }
    auto begin() const { return m_fields.begin(); }
    auto end() const { return m_fields.end(); }

    friend bool operator==(const HttpHeaders &, const HttpHeaders &) = default;

private:
    std::vector<Field> m_fields;
};

// `value` with every control character removed (U+0000 to U+001F, U+007F to U+009F), so that
// it can never end a header line or start another.
QString headerSafe(const QString &value);

} // namespace lanterncrest
