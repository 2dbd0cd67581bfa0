#pragma once

#include "platform/ui/collection_reusable_view.h"

namespace lanterncrest {

// The base of every cell a collection view shows for an item.
class CollectionViewCell : public CollectionReusableView
{
    Q_OBJECT

public:
    explicit CollectionViewCell(QWidget *parent = nullptr);
};

} // namespace lanterncrest
