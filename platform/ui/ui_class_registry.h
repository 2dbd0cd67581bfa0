#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <unordered_map>

#include "platform/export.h"

namespace lanterncrest {

// The widget classes that .ui files may name beyond Qt's own: every view, cell, header and
// control of ours registers a factory under its class name, the name written in the .ui's
// <widget class="...">. Main thread only.
class LANTERNCREST_EXPORT UiClassRegistry
{
public:
    using Factory = std::function<QWidget *(QWidget *parent)>;

    // The one registry of the process; it starts with the classes of platform/ui.
    static UiClassRegistry &shared();

    // Registering a name again replaces its factory, so screens may register on every use.
    void registerClass(const QString &className, Factory factory);

    template<class T>
    void registerClass(const QString &className)
    {
        registerClass(className, [](QWidget *parent) -> QWidget * { return new T(parent); });
    }

    bool contains(const QString &className) const;

    // A new widget of that class, or nullptr when the name is not registered.
    QWidget *create(const QString &className, QWidget *parent) const;

private:
    UiClassRegistry();
    std::unordered_map<QString, Factory> m_factories;
};

// Registers the classes of platform/ui; called once by UiClassRegistry::shared().
void registerPlatformUiClasses(UiClassRegistry &registry);

} // namespace lanterncrest
