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

// The URL text as it is requested: trimmed of white space at both ends, each "%20" turned into
// a space, then every byte outside the characters a URL query allows percent-encoded. A space
// and an existing %20 both end as %20; another escape is encoded again (%2F as %252F); "#"
// becomes %23 and every non-ASCII character its UTF-8 escapes.
LANTERNCREST_EXPORT QString requestUrlText(const QString &urlString);

} // namespace lanterncrest
