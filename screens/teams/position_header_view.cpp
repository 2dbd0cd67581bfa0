#include "screens/teams/position_header_view.h"

#include "screens/teams/localization_system.h"

namespace lanterncrest {

PositionHeaderView::PositionHeaderView(QWidget *parent) : CollectionReusableView(parent) { }

void PositionHeaderView::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("positionName"), m_positionName);
}

void PositionHeaderView::configure(const std::optional<PositionData> &position)
{
    std::optional<QString> name;
    if (position)
        name = localizedName(position->ar_name, position->en_name);
    m_positionName->setOptionalText(upperCased(name));
}

} // namespace lanterncrest
