#include "screens/profile/tab_collection_view_cell.h"

namespace lanterncrest {

TabCollectionViewCell::TabCollectionViewCell(QWidget *parent) : CollectionViewCell(parent) { }

void TabCollectionViewCell::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("tabIcon"), m_tabIcon);
    bindings.outlet(QStringLiteral("tabTitle"), m_tabTitle);
}

} // namespace lanterncrest
