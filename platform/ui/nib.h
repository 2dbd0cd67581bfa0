#pragma once

#include <QByteArray>
#include <QString>
#include <typeinfo>

#include "platform/export.h"

class QWidget;

namespace lanterncrest {

class NibOwner;

// One .ui file of the framework's bundle, the resources compiled in under ":/lanterncrest":
// nibs (cells, headers) are ":/lanterncrest/nibs/<Name>.ui"; a storyboard's scenes are
// ":/lanterncrest/storyboards/<Storyboard>/<Identifier>.ui" (see Storyboard). The file is read
// once; every instantiate() builds a new widget tree from it. Main thread only.
//
// A load builds the widgets (our classes from UiClassRegistry) applying the runtime attributes
// in document order (RuntimeAttributes), then:
//  1. binds outlets: the top-level widget when it is a NibOwner, then `owner`;
//  2. makes owner connections: a widget with a "dataSource" or "delegate" string attribute of
//     "owner" or "root" gets OwnerConnectable::connectToOwner(role, thatOwner);
//  3. connects actions: a button with a string attribute "action" calls the action of that name,
//     declared by the top-level widget (first) or by `owner`, each time it is clicked;
//  4. calls NibAwakable::awakeFromNib() on every widget that has it, in document order.
// A missing file, a broken file, an unknown class, outlet, action or owner, or a widget of the
// wrong class stops the process with a message naming the file: resources are part of the code.
class LANTERNCREST_EXPORT Nib
{
public:
    // The nib named `name` in the bundle; stops the process when there is none.
    explicit Nib(const QString &name);

    static Nib fromResource(const QString &resourcePath);
    static QString nibPath(const QString &name);
    static bool exists(const QString &resourcePath);

    const QString &resourcePath() const { return m_path; }

    // A new widget tree, wired to `owner` (may be null), parented to `parent` (may be null: the
    // caller then owns the widget).
    QWidget *instantiate(NibOwner *owner = nullptr, QWidget *parent = nullptr) const;

    // Same, with the top-level widget required to be a T.
    template<class T>
    T *instantiate(NibOwner *owner = nullptr, QWidget *parent = nullptr) const
    {
        QWidget *root = instantiate(owner, parent);
        if (auto *typed = dynamic_cast<T *>(root))
            return typed;
        wrongRootClass(root, typeid(T).name());
    }

private:
    struct FromPath
    {
    };
    Nib(FromPath, QString path);
    [[noreturn]] void wrongRootClass(QWidget *root, const char *expected) const;

    QString m_path;
    QByteArray m_contents;
};

} // namespace lanterncrest
