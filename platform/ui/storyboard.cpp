#include "platform/ui/storyboard.h"

#include <QDir>

namespace lanterncrest {

namespace {

QString storyboardDirectory(const QString &name)
{
    return QStringLiteral(":/lanterncrest/storyboards/") + name;
}

} // namespace

Storyboard::Storyboard(const QString &name) : m_name(name)
{
    if (name.isEmpty() || !QDir(storyboardDirectory(name)).exists())
        qFatal("Lanterncrest: the bundle holds no storyboard named '%s'", qUtf8Printable(name));
}

Nib Storyboard::scene(const QString &identifier) const
{
    const QString path = scenePath(m_name, identifier);
    if (!Nib::exists(path))
        qFatal("Lanterncrest: storyboard '%s' has no scene with identifier '%s'",
               qUtf8Printable(m_name), qUtf8Printable(identifier));
    return Nib::fromResource(path);
}

QString Storyboard::scenePath(const QString &name, const QString &identifier)
{
    return storyboardDirectory(name) + u'/' + identifier + QStringLiteral(".ui");
}

} // namespace lanterncrest
