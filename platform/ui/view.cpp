#include "platform/ui/view.h"

namespace lanterncrest {

View::View(QWidget *parent) : LayerStyledWidget<QWidget>(parent) { }

} // namespace lanterncrest
