#include "platform/ui/runtime_attributes.h"

#include "platform/ui/image_view.h"
#include "platform/ui/layer_styled.h"

namespace lanterncrest {

namespace {

using Result = RuntimeAttributes::Result;

// Registers an attribute that changes one part of a view's layer style.
template<class Read, class Write>
void registerStyle(RuntimeAttributes &attributes, const QByteArray &name, Read read, Write write)
{
    attributes.registerAttribute<LayerStyled>(
            name, [read, write](LayerStyled &view, const QVariant &value) {
                const auto converted = read(value);
                if (!converted)
                    return false;
                view.changeLayerStyle([&](LayerStyle &style) { write(style, *converted); });
                return true;
            });
}

std::optional<bool> boolean(const QVariant &value)
{
    if (value.typeId() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

std::optional<ImageView::ContentMode> contentMode(const QVariant &value)
{
    const QString text = value.toString();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    if (text == u"scaleToFill")
        return ImageView::ContentMode::ScaleToFill;
    if (text == u"scaleAspectFit")
        return ImageView::ContentMode::AspectFit;
    if (text == u"scaleAspectFill")
        return ImageView::ContentMode::AspectFill;
    return std::nullopt;
}

} // namespace

RuntimeAttributes &RuntimeAttributes::shared()
{
    static RuntimeAttributes attributes;
    return attributes;
}

RuntimeAttributes::RuntimeAttributes()
{
    registerStyle(*this, "backgroundColor", color,
                  [](LayerStyle &s, QColor c) { s.backgroundColor = c; });
    registerStyle(*this, "cornerRadius", number,
                  [](LayerStyle &s, double v) { s.cornerRadius = v; });
    registerStyle(*this, "borderWidth", number, [](LayerStyle &s, double v) { s.borderWidth = v; });
    registerStyle(*this, "borderColor", color, [](LayerStyle &s, QColor c) { s.borderColor = c; });
    registerStyle(*this, "shadowRadius", number,
                  [](LayerStyle &s, double v) { s.shadowRadius = v; });
    registerStyle(*this, "shadowOpacity", number,
                  [](LayerStyle &s, double v) { s.shadowOpacity = static_cast<float>(v); });
    registerStyle(*this, "shadowOffset", size, [](LayerStyle &s, QSizeF v) { s.shadowOffset = v; });
    // A shadow colour turns clipping off so that the shadow can show, as on a layer.
    registerStyle(*this, "shadowColor", color, [](LayerStyle &s, QColor c) {
        s.masksToBounds = false;
        s.shadowColor = c;
    });
    registerStyle(*this, "masksToBounds", boolean,
                  [](LayerStyle &s, bool v) { s.masksToBounds = v; });
    registerAttribute<ImageView>("contentMode", [](ImageView &view, const QVariant &value) {
        const auto mode = lanterncrest::contentMode(value);
        if (mode)
            view.setContentMode(*mode);
        return mode.has_value();
    });
}

void RuntimeAttributes::registerAttribute(const QByteArray &name, Setter setter)
{
    m_setters[name] = std::move(setter);
}

void RuntimeAttributes::apply(QObject &target, const QByteArray &name, const QVariant &value,
                              const QString &resource) const
{
    const auto found = m_setters.find(name);
    const char *className = target.metaObject()->className();
    const QByteArray where =
            resource.toUtf8() + " (" + target.objectName().toUtf8() + ", " + className + ")";
    if (found == m_setters.end())
        qFatal("Lanterncrest: %s: no runtime attribute named '%s'", where.constData(),
               name.constData());
    switch (found->second(target, value)) {
    case Result::Applied:
        return;
    case Result::WrongClass:
        qFatal("Lanterncrest: %s: a %s has no attribute '%s'", where.constData(), className,
               name.constData());
    case Result::WrongValue:
        qFatal("Lanterncrest: %s: attribute '%s' cannot take a value of type %s", where.constData(),
               name.constData(), value.typeName());
    }
}

bool RuntimeAttributes::isConnectionAttribute(const QByteArray &name)
{
    return name == "dataSource" || name == "delegate" || name == "action";
}

std::optional<double> RuntimeAttributes::number(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        return std::nullopt;
    }
}

std::optional<QColor> RuntimeAttributes::color(const QVariant &value)
{
    if (value.typeId() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.typeId() == QMetaType::QString) {
        const QColor parsed = QColor::fromString(value.toString());
        if (parsed.isValid())
            return parsed;
    }
    return std::nullopt;
}

std::optional<QSizeF> RuntimeAttributes::size(const QVariant &value)
{
    if (value.typeId() == QMetaType::QSize)
        return QSizeF(value.toSize());
    if (value.typeId() == QMetaType::QSizeF)
        return value.toSizeF();
    return std::nullopt;
}

} // namespace lanterncrest
