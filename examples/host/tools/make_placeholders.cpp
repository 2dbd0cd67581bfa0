// Writes the host's two placeholder pictures into a folder (default: the current one):
//   lanterncrest-make-placeholders examples/host/images
#include "examples/host/sample_service/sample_images.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char **argv)
{
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const struct
    {
        const char *name;
        QSize size;
    } pictures[] = {
        { "imageHorizontalPlaceHolderSmall.png", QSize(160, 90) },
        { "imageHorizontalPlaceHolderBig.png", QSize(640, 360) },
    };
    QTextStream err(stderr);
    for (const auto &picture : pictures) {
        const QByteArray png = lanterncrest::encodePng(lanterncrest::drawPlaceholder(picture.size));
        QFile file(folder.filePath(QLatin1String(picture.name)));
        if (png.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
            err << "Cannot write " << file.fileName() << Qt::endl;
            return 1;
        }
    }
    return 0;
}
