#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace lanterncrest {

// `text` as a URL the framework may send a request to: an absolute http or https URL with a
// host, parsed strictly. Absent otherwise; Qt would send a malformed request line for an
// invalid URL rather than refuse it.
std::optional<QUrl> httpUrl(const QString &text);

} // namespace lanterncrest
