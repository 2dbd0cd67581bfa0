#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <type_traits>
#include <typeinfo>

#include "platform/export.h"

class QWidget;

namespace lanterncrest {

class NibBindings;

// An object that a loaded .ui file reports to: its outlets are bound to widgets by objectName
// and its actions are reached from buttons that name them. A view controller owns its scene
// this way; a cell or a header that is the top-level widget of its own .ui owns itself.
class LANTERNCREST_EXPORT NibOwner
{
public:
    virtual ~NibOwner() = default;

    // Declares the outlets and actions; called once per load, after every widget exists and
    // carries its runtime attributes, before any awakeFromNib().
    virtual void bindNib(NibBindings &bindings) { Q_UNUSED(bindings); }
};

// Handed to NibOwner::bindNib(). Every outlet is required: a missing object or one of another
// class is a programming error that stops the process with the resource and outlet named.
class LANTERNCREST_EXPORT NibBindings
{
public:
    using Action = std::function<void()>;

    NibBindings(QWidget *root, QString resource);

    // Binds a weak outlet: `outlet(u"nameLabel", nameLabel)` with `QPointer<Label> nameLabel`.
    template<class T>
    void outlet(const QString &name, QPointer<T> &slot)
    {
        slot = find<T>(name);
    }

    // Binds an outlet through a setter, for owners that style the view as it is connected.
    template<class T>
    void outlet(const QString &name, const std::function<void(T *)> &setter)
    {
        setter(find<T>(name));
    }

    // Declares an action that a button reaches through its "action" attribute.
    void action(const QString &name, Action handler);

    const std::map<QString, Action> &actions() const { return m_actions; }

private:
    template<class T>
    T *find(const QString &name)
    {
        QObject *object = lookup(name);
        if (auto *typed = dynamic_cast<T *>(object))
            return typed;
        wrongClass(name, object, className<T>());
    }

    template<class T>
    static const char *className()
    {
        if constexpr (requires { T::staticMetaObject.className(); })
            return T::staticMetaObject.className();
        else
            return typeid(T).name();
    }

    QObject *lookup(const QString &name) const;
    [[noreturn]] void wrongClass(const QString &name, QObject *object, const char *expected) const;

    QWidget *m_root;
    QString m_resource;
    std::map<QString, Action> m_actions;
};

} // namespace lanterncrest

// Binds the member of the same name: LC_OUTLET(bindings, nameLabel).
#define LC_OUTLET(bindings, member) (bindings).outlet(QStringLiteral(#member), member)
