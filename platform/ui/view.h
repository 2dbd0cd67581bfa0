#pragma once

#include <QWidget>

#include "platform/export.h"
#include "platform/ui/layer_styled_widget.h"

namespace lanterncrest {

// A plain view with a layer: the base of containers, cards and cells.
class LANTERNCREST_EXPORT View : public LayerStyledWidget<QWidget>
{
    Q_OBJECT
public:
    explicit View(QWidget *parent = nullptr);
};

} // namespace lanterncrest
