#include "screens/teams/web_image.h"

#include <QPointer>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"

namespace lanterncrest {

namespace {

// Besides the unreserved characters (letters, digits, "-", ".", "_", "~"), which are never
// encoded, the sub-delimiters and ":", "@", "/", "?" may stand in a query as they are.
constexpr char queryAllowedPunctuation[] = "!$&'()*+,;=:@/?";

} // namespace

QString requestUrlText(const QString &urlString)
{
    QString text = urlString.trimmed();
    text.replace(QStringLiteral("%20"), QStringLiteral(" "));
    return QString::fromLatin1(text.toUtf8().toPercentEncoding(queryAllowedPunctuation));
}

void setImage(ImageView &view, const std::optional<QString> &urlString, const QString &placeholder)
{
    auto &loader = ImageLoader::shared();
    if (!urlString) {
        loader.setImage(&view, QString(), placeholder);
        return;
    }
    loader.setImage(&view, requestUrlText(*urlString), placeholder,
                    [target = QPointer<ImageView>(&view)](bool loaded) {
                        if (loaded && target)
                            target->changeLayerStyle([](LayerStyle &style) {
                                style.backgroundColor = QColor(Qt::transparent);
                            });
                    });
}

} // namespace lanterncrest
