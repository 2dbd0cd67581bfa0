#pragma once

#include "platform/ui/index_path.h"

#include <QSizeF>

namespace lanterncrest {

class CollectionView;

// What a collection view tells the object that reacts to the user.
class CollectionViewDelegate
{
public:
    virtual ~CollectionViewDelegate() = default;

    // The user tapped the item: pressed and released the mouse on its cell without dragging.
    virtual void didSelectItemAt(CollectionView & /*collectionView*/,
                                 const IndexPath & /*indexPath*/)
    {
    }
};

// The size questions a flow layout would put to its delegate. A compositional layout sizes
// everything itself and asks neither; a controller may still answer them.
class CollectionViewDelegateFlowLayout : public CollectionViewDelegate
{
public:
    virtual QSizeF sizeForItemAt(CollectionView & /*collectionView*/,
                                 const IndexPath & /*indexPath*/)
    {
        return {};
    }
    virtual QSizeF referenceSizeForHeaderInSection(CollectionView & /*collectionView*/,
                                                   int /*section*/)
    {
        return {};
    }
};

} // namespace lanterncrest
