#pragma once

#include <QPushButton>

#include "platform/export.h"
#include "platform/ui/layer_styled_widget.h"

namespace lanterncrest {

// A push button with a layer; a .ui connects it to its owner's action with the string
// attribute "action" (see Nib).
class LANTERNCREST_EXPORT Button : public LayerStyledWidget<QPushButton>
{
    Q_OBJECT
public:
    explicit Button(QWidget *parent = nullptr);
};

} // namespace lanterncrest
