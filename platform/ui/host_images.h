#pragma once

#include <QPixmap>
#include <QString>

namespace lanterncrest {

// Images the host application ships, found by name among its Qt resources:
// ":/images/<name>.png", then ".jpg", then the name as given. Read once and kept.
class HostImages
{
public:
    // A null pixmap when the host has no image of that name.
    static QPixmap named(const QString &name);
};

} // namespace lanterncrest
