#include "platform/ui/label.h"

namespace lanterncrest {

Label::Label(QWidget* parent)
    : LayerStyledWidget<QLabel>(parent)
{
}

void Label::setOptionalText(const std::optional<QString>& text)
{
    cleared_ = !text.has_value();
    setText(text.value_or(QString()));
}

std::optional<QString> Label::optionalText() const
{
    // A text set through QLabel::setText() after clearing counts as present.
    if (cleared_ && text().isEmpty())
        return std::nullopt;
    return text();
}

} // namespace lanterncrest
