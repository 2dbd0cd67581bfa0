#include "platform/foundation/documents_directory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lanterncrest {

std::optional<QString> documentsDirectory()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        return std::nullopt;
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir())
        return std::nullopt;
    return path;
}

} // namespace lanterncrest
