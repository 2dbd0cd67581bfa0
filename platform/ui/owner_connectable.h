#pragma once

#include <QString>

#include "platform/export.h"

namespace lanterncrest {

class NibOwner;

// A widget whose data source or delegate a .ui file connects, the way a collection view is
// wired to its controller. The .ui sets a string attribute named after the role to "owner"
// (the object the file was loaded for) or "root" (the file's top-level widget, when that is a
// NibOwner itself):
//
//   <property name="dataSource" stdset="0"><string>owner</string></property>
//   <property name="delegate" stdset="0"><string>root</string></property>
//
// After the outlets are bound the loader calls connectToOwner(role, target) once per such
// attribute, role being "dataSource" or "delegate". The widget casts `owner` to the interface
// it needs and stops the process (qFatal) when the owner does not implement it; it holds the
// owner weakly (the owner outlives its views).
class LANTERNCREST_EXPORT OwnerConnectable
{
public:
    virtual ~OwnerConnectable() = default;
    virtual void connectToOwner(const QString &role, NibOwner *owner) = 0;
};

} // namespace lanterncrest
