#include "platform/ui/layout_dimension.h"

#include <cmath>

namespace lanterncrest {

double LayoutDimension::resolved(const QSizeF &container) const
{
    double length = m_value;
    switch (m_kind) {
    case Kind::FractionalWidth:
        length = m_value * container.width();
        break;
    case Kind::FractionalHeight:
        length = m_value * container.height();
        break;
    case Kind::Absolute:
    case Kind::Estimated:
        break;
    }
    // A negative or undefined length would fold frames over each other: treat it as nothing.
    return std::isfinite(length) && length > 0 ? length : 0.0;
}

} // namespace lanterncrest
