#pragma once

#include <QString>
#include <optional>

#include "platform/export.h"

namespace lanterncrest {

class ImageView;

// Shows the host's image named `placeholder` at once (no image when the host has none), then
// the image at `urlString` through the shared ImageLoader; once it has arrived the view's
// background turns clear. The newest call for a view wins. Absent text shows the placeholder
// alone and cancels whatever the view was still waiting for, so a late image never covers
// it; so does text that gives no fetchable URL.
LANTERNCREST_EXPORT void setImage(ImageView &view, const std::optional<QString> &urlString,
                                  const QString &placeholder);

// The URL text as it is requested: trimmed of white space at both ends, every escape ("%" and
// two hexadecimal digits) kept as it stands, and every other byte outside the characters a URL
// query allows percent-encoded. So "Jos%C3%A9.png" and "e%2Ff.png" stay as they are; a space
// and an existing %20 both end as %20; "#" becomes %23, every non-ASCII character its UTF-8
// escapes, and a "%" that starts no escape %25 ("a%zz" as "a%25zz"). On the wire Qt writes an
// escape of an unreserved character as the character itself ("%41" as "A") and hexadecimal
// digits in capitals, which name the same resource.
LANTERNCREST_EXPORT QString requestUrlText(const QString &urlString);

} // namespace lanterncrest
