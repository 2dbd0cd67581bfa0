#include "platform/ui/collection_reusable_view.h"

namespace lanterncrest {

CollectionReusableView::CollectionReusableView(QWidget *parent) : QWidget(parent) { }

} // namespace lanterncrest
