#include "platform/ui/nib.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QWidget>

#include "platform/ui/nib_awakable.h"
#include "platform/ui/nib_owner.h"
#include "platform/ui/owner_connectable.h"
#include "platform/ui/ui_loader.h"

namespace lanterncrest {

namespace {

constexpr char ownerConnectionRoles[][11] = { "dataSource", "delegate" };

struct LoadedOwners
{
    NibOwner *root = nullptr;
    NibOwner *owner = nullptr;
    NibBindings rootBindings;
    NibBindings ownerBindings;
};

NibOwner *connectionTarget(const LoadedOwners &owners, const QString &value,
                           const QString &resource, const QWidget &widget, const char *role)
{
    NibOwner *target = value == u"owner" ? owners.owner : value == u"root" ? owners.root : nullptr;
    if (!target)
        qFatal("Lanterncrest: %s: %s of '%s' names '%s', which is no owner of this load "
               "(\"owner\" or \"root\")",
               qUtf8Printable(resource), role, qUtf8Printable(widget.objectName()),
               qUtf8Printable(value));
    return target;
}

void connectToOwners(QWidget &widget, const LoadedOwners &owners, const QString &resource)
{
    for (const char *role : ownerConnectionRoles) {
        const QVariant value = widget.property(role);
        if (!value.isValid())
            continue;
        NibOwner *target = connectionTarget(owners, value.toString(), resource, widget, role);
        auto *connectable = dynamic_cast<OwnerConnectable *>(&widget);
        if (!connectable)
            qFatal("Lanterncrest: %s: '%s' (%s) has no %s to connect", qUtf8Printable(resource),
                   qUtf8Printable(widget.objectName()), widget.metaObject()->className(), role);
        connectable->connectToOwner(QString::fromLatin1(role), target);
    }
}

void connectAction(QWidget &widget, const LoadedOwners &owners, const QString &resource)
{
    const QVariant value = widget.property("action");
    if (!value.isValid())
        return;
    const QString name = value.toString();
    auto *button = qobject_cast<QAbstractButton *>(&widget);
    if (!button)
        qFatal("Lanterncrest: %s: '%s' (%s) is no button and cannot send action '%s'",
               qUtf8Printable(resource), qUtf8Printable(widget.objectName()),
               widget.metaObject()->className(), qUtf8Printable(name));
    const auto &rootActions = owners.rootBindings.actions();
    const auto &ownerActions = owners.ownerBindings.actions();
    auto found = rootActions.find(name);
    if (found == rootActions.end()) {
        found = ownerActions.find(name);
        if (found == ownerActions.end())
            qFatal("Lanterncrest: %s: '%s' sends action '%s', which no owner declares",
                   qUtf8Printable(resource), qUtf8Printable(widget.objectName()),
                   qUtf8Printable(name));
    }
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [handler = found->second] { handler(); });
}

void wire(QWidget &root, NibOwner *owner, const QString &resource)
{
    LoadedOwners owners{ dynamic_cast<NibOwner *>(&root), owner, NibBindings(&root, resource),
                         NibBindings(&root, resource) };
    if (owners.root)
        owners.root->bindNib(owners.rootBindings);
    if (owners.owner && owners.owner != owners.root)
        owners.owner->bindNib(owners.ownerBindings);

    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(&root);
    for (QWidget *widget : widgets) {
        connectToOwners(*widget, owners, resource);
        connectAction(*widget, owners, resource);
    }
    for (QWidget *widget : widgets) {
        if (auto *awakable = dynamic_cast<NibAwakable *>(widget))
            awakable->awakeFromNib();
    }
}

} // namespace

Nib::Nib(const QString &name) : Nib(FromPath{}, nibPath(name)) { }

Nib::Nib(FromPath, QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Lanterncrest: the resource %s is missing from the bundle", qUtf8Printable(m_path));
    m_contents = file.readAll();
}

Nib Nib::fromResource(const QString &resourcePath)
{
    return Nib(FromPath{}, resourcePath);
}

QString Nib::nibPath(const QString &name)
{
    return QStringLiteral(":/lanterncrest/nibs/") + name + QStringLiteral(".ui");
}

bool Nib::exists(const QString &resourcePath)
{
    return QFile::exists(resourcePath);
}

QWidget *Nib::instantiate(NibOwner *owner, QWidget *parent) const
{
    QBuffer buffer;
    buffer.setData(m_contents);
    buffer.open(QIODevice::ReadOnly);
    QWidget *root = nullptr;
    {
        UiLoader loader(m_path);
        root = loader.load(&buffer, parent);
        if (!root)
            qFatal("Lanterncrest: %s cannot be loaded: %s", qUtf8Printable(m_path),
                   qUtf8Printable(loader.errorString()));
    }
    wire(*root, owner, m_path);
    return root;
}

void Nib::wrongRootClass(QWidget *root, const char *expected) const
{
    qFatal("Lanterncrest: %s: the top-level widget is a %s, not a %s", qUtf8Printable(m_path),
           root->metaObject()->className(), expected);
}

} // namespace lanterncrest
