#include "platform/http/http_headers.h"

#include <algorithm>

namespace lanterncrest {

HttpHeaders::HttpHeaders(std::initializer_list<Field> fields)
{
    for (const Field &field : fields)
        set(field.first, field.second);
}

void HttpHeaders::set(const QString &name, const QString &value)
{
    auto same = [&](const Field &field) {
        return field.first.compare(name, Qt::CaseInsensitive) == 0;
    };
    if (auto found = std::find_if(m_fields.begin(), m_fields.end(), same); found != m_fields.end())
        found->second = value;
    else
        m_fields.emplace_back(name, value);
}

QString headerSafe(const QString &value)
{
    QString kept;
    kept.reserve(value.size());
    for (const QChar c : value)
        if (c.category() != QChar::Other_Control)
            kept += c;
    return kept;
}

std::optional<QString> HttpHeaders::value(const QString &name) const
{
    for (const Field &field : m_fields)
        if (field.first.compare(name, Qt::CaseInsensitive) == 0)
            return field.second;
    return std::nullopt;
}

} // namespace lanterncrest
