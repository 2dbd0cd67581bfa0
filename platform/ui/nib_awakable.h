#pragma once

#include "platform/export.h"

namespace lanterncrest {

// A widget that finishes its own set-up once a .ui file has built it: awakeFromNib() runs after
// every widget of the file exists, carries its runtime attributes and is bound to its owners.
class LANTERNCREST_EXPORT NibAwakable
{
public:
    virtual ~NibAwakable() = default;
    virtual void awakeFromNib() { }
};

} // namespace lanterncrest
