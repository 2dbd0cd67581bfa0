#pragma once

#include "platform/ui/collection_view_cell.h"

namespace lanterncrest {

// A cell of the profile header's sub-tab strip; everything it shows comes from the nib
// "SubTabCollectionViewCell".
class SubTabCollectionViewCell : public CollectionViewCell
{
    Q_OBJECT
public:
    explicit SubTabCollectionViewCell(QWidget *parent = nullptr);
};

} // namespace lanterncrest
