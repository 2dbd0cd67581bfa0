#pragma once

#include "platform/export.h"
#include "platform/ui/view.h"

namespace lanterncrest {

// A plain view a host may place in its own interface, in code or by class name in a .ui file
// loaded through Nib: the framework knows the name "ScoreboardBanner" from the moment the
// library is loaded. It has no content or behaviour beyond a View's.
class LANTERNCREST_EXPORT ScoreboardBanner : public View
{
    Q_OBJECT
public:
    explicit ScoreboardBanner(QWidget *parent = nullptr);
};

} // namespace lanterncrest
