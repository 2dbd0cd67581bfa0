#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace lanterncrest {

// `text` as a URL the framework may send a request to: an absolute http or https URL with a
// host, parsed strictly. Absent otherwise; Qt would send a malformed request line for an
// invalid URL rather than refuse it.
std::optional<QUrl> httpUrl(const QString &text);

// The origin of an http(s) URL, "scheme://host:port": scheme and host in lower case, the host
// in its ASCII form ("[...]" around an IPv6 address), the port the scheme's default (80, 443)
// when the URL names none, so "https://x/" and "https://x:443/" have one origin. Empty for
// any other URL.
QString httpOrigin(const QString &url);

} // namespace lanterncrest
