#include "platform/ui/collection_view_cell.h"

namespace lanterncrest {

CollectionViewCell::CollectionViewCell(QWidget *parent) : CollectionReusableView(parent) { }

} // namespace lanterncrest
