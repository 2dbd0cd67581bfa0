#pragma once

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <optional>

#include "platform/export.h"

namespace lanterncrest {

// The attributes a .ui file sets by name on our views, as dynamic properties:
//
//   <property name="cornerRadius" stdset="0"><double>8</double></property>
//
// The loader applies each one as the file sets it, in document order, so an attribute that
// depends on the size must follow "geometry". Built in, on every layer-styled view:
// backgroundColor, cornerRadius, borderWidth, borderColor, shadowRadius, shadowOpacity,
// shadowOffset, shadowColor, masksToBounds; on ImageView: contentMode ("scaleToFill",
// "scaleAspectFit", "scaleAspectFill"). Screens register their own, before the first load
// that uses them, e.g.
//
//   RuntimeAttributes::shared().registerAttribute<ImageView>("polygonRadius",
//       [](ImageView& view, const QVariant& value) {
//           const auto radius = RuntimeAttributes::number(value);
//           if (radius)
//               applyHexagonMask(view, *radius); // setMaskPath() + addSublayer()
//           return radius.has_value();
//       });
//
// An unknown name, a view that lacks the attribute or a value of the wrong kind is a
// programming error that stops the process. Main thread only.
class LANTERNCREST_EXPORT RuntimeAttributes
{
public:
    enum class Result { Applied, WrongClass, WrongValue };
    using Setter = std::function<Result(QObject &target, const QVariant &value)>;

    static RuntimeAttributes &shared();

    void registerAttribute(const QByteArray &name, Setter setter);

    // Registers a setter for targets of class T (a dynamic_cast decides).
    template<class T>
    void registerAttribute(const QByteArray &name,
                           std::function<bool(T &, const QVariant &)> setter)
    {
        registerAttribute(name,
                          [setter = std::move(setter)](QObject &target, const QVariant &value) {
                              T *typed = dynamic_cast<T *>(&target);
                              if (!typed)
                                  return Result::WrongClass;
                              return setter(*typed, value) ? Result::Applied : Result::WrongValue;
                          });
    }

    void apply(QObject &target, const QByteArray &name, const QVariant &value,
               const QString &resource) const;

    // The attributes that wire a widget to its owners; the loader handles them after binding.
    static bool isConnectionAttribute(const QByteArray &name);

    // Value readers: numbers from <number>/<double>, colours from <color> or "#rrggbb" strings,
    // sizes from <size>/<sizef>.
    static std::optional<double> number(const QVariant &value);
    static std::optional<QColor> color(const QVariant &value);
    static std::optional<QSizeF> size(const QVariant &value);

private:
    RuntimeAttributes();
    std::map<QByteArray, Setter> m_setters;
};

} // namespace lanterncrest
