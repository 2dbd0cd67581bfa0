#include "screens/profile/sub_tab_collection_view_cell.h"

namespace lanterncrest {

SubTabCollectionViewCell::SubTabCollectionViewCell(QWidget *parent) : CollectionViewCell(parent) { }

} // namespace lanterncrest
