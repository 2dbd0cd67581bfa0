#include "platform/ui/host_images.h"

#include <QFile>
#include <QHash>

namespace lanterncrest {

QPixmap HostImages::named(const QString &name)
{
    static QHash<QString, QPixmap> found;
    if (name.isEmpty())
        return {};
    if (const auto cached = found.constFind(name); cached != found.cend())
        return *cached;
    QPixmap image;
    const QString base = QStringLiteral(":/images/") + name;
    for (const QString &path :
         { base + QStringLiteral(".png"), base + QStringLiteral(".jpg"), base }) {
        if (QFile::exists(path) && image.load(path))
            break;
    }
    found.insert(name, image);
    return image;
}

} // namespace lanterncrest
