#pragma once

#include <QByteArrayView>
#include <QString>

namespace lanterncrest {

// `bytes` read as UTF-8 the way Unicode recommends for showing them: each maximal ill-formed
// subsequence becomes one U+FFFD, so "ok E2 82 !" reads "ok\uFFFD!" (QString::fromUtf8 puts
// one U+FFFD per bad byte). A leading byte-order mark is dropped, as QString::fromUtf8 does.
// `before` comes first in the same text: a line that quotes a body of megabytes is made
// without copying the body's text again.
QString utf8Text(QByteArrayView bytes, QStringView before = {});

} // namespace lanterncrest
