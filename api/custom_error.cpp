#include "api/custom_error.h"

#include <utility>

namespace lanterncrest {

namespace {
QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\0':
            out += QStringLiteral("\\0");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                out += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
            else
                out += c;
        }
    }
    return out + u'"';
}
} // namespace

CustomError::CustomError(std::optional<QString> title, qint64 code, QString description)
    : title(std::move(title)),
      code(code),
      _description(std::move(description))
{
}

std::optional<QString> CustomError::errorDescription() const
{
    return _description;
}
std::optional<QString> CustomError::failureReason() const
{
    return _description;
}
std::optional<QString> CustomError::errorTitle() const
{
    return title;
}
qint64 CustomError::errorCode() const
{
    return code;
}

QString CustomError::rendering() const
{
    const QString titleText =
            title ? QStringLiteral("Optional(%1)").arg(quoted(*title)) : QStringLiteral("nil");
    return QStringLiteral("CustomError(title: %1, code: %2, _description: %3)")
            .arg(titleText, QString::number(code), quoted(_description));
}

bool CustomError::operator==(const CustomError &other) const
{
    return title == other.title && code == other.code && _description == other._description;
}

} // namespace lanterncrest
