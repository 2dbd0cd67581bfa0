#pragma once

#include "platform/ui/index_path.h"

#include <QString>

namespace lanterncrest {

class CollectionView;
class CollectionViewCell;
class CollectionReusableView;

// What a collection view asks of the object that owns its data. The view calls it on the main
// thread while it lays out, after `reloadData()` and while scrolling; answers must agree with
// each other until the next `reloadData()`.
class CollectionViewDataSource
{
public:
    virtual ~CollectionViewDataSource() = default;

    virtual int numberOfSections(CollectionView & /*collectionView*/) { return 1; }
    virtual int numberOfItemsInSection(CollectionView &collectionView, int section) = 0;

    // A cell from `collectionView.dequeueReusableCell(...)`, filled for the item.
    virtual CollectionViewCell *cellForItemAt(CollectionView &collectionView,
                                              const IndexPath &indexPath) = 0;

    // A view from `collectionView.dequeueReusableSupplementaryView(...)` for a section's
    // boundary item; the index path is the section's, with item 0. Null shows nothing there.
    virtual CollectionReusableView *
    viewForSupplementaryElementOfKind(CollectionView & /*collectionView*/, const QString & /*kind*/,
                                      const IndexPath & /*indexPath*/)
    {
        return nullptr;
    }
};

} // namespace lanterncrest
