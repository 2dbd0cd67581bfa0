#pragma once

#include <QString>

namespace lanterncrest {

// Making outside values safe to place into a request.

// `value` as one path segment: UTF-8, every byte but A-Z a-z 0-9 - . _ ~ percent-encoded,
// so "/", "?", "#" and "&" stay inside the segment. A segment of only dots ("." or "..")
// has its dots written as "%252E", because URL handling would otherwise turn "%2E" back
// into a dot segment and climb out of the path.
QString percentEncodedPathSegment(const QString &value);

// `value` as one query value: UTF-8 with every byte but A-Z a-z 0-9 - . _ ~ percent-encoded,
// so "&", "=", "+" and "#" cannot start another parameter.
QString percentEncodedQueryValue(const QString &value);

} // namespace lanterncrest
