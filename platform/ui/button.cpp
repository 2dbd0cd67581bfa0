#include "platform/ui/button.h"

namespace lanterncrest {

Button::Button(QWidget *parent) : LayerStyledWidget<QPushButton>(parent) { }

} // namespace lanterncrest
