#pragma once

#include "platform/ui/collection_view.h"
#include "platform/ui/compositional_layout.h"

// The two layouts the screens install, built as their controllers build them.
namespace lanterncrest::test {

inline CompositionalLayout threeColumnGrid()
{
    LayoutItem item{ { LayoutDimension::fractionalWidth(0.3333333333333333),
                       LayoutDimension::fractionalHeight(1.0) },
                     DirectionalEdgeInsets::uniform(5) };
    auto group = LayoutGroup::horizontal({ LayoutDimension::fractionalWidth(1.0),
                                           LayoutDimension::fractionalWidth(0.45454545454545453) },
                                         { item, item, item });
    return CompositionalLayout(LayoutSection(group));
}

inline CompositionalLayout twoColumnsWithHeaders()
{
    LayoutItem item{ { LayoutDimension::fractionalWidth(0.5),
                       LayoutDimension::fractionalHeight(1.0) },
                     DirectionalEdgeInsets::uniform(5) };
    auto group = LayoutGroup::horizontal({ LayoutDimension::fractionalWidth(1.0),
                                           LayoutDimension::fractionalWidth(0.5636363636363636) },
                                         { item, item });
    LayoutSection section(group);
    section.boundarySupplementaryItems.push_back(
            { { LayoutDimension::fractionalWidth(1.0), LayoutDimension::estimated(44) },
              CollectionView::elementKindSectionHeader() });
    return CompositionalLayout(section);
}

} // namespace lanterncrest::test
