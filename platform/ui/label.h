#pragma once

#include <QLabel>
#include <optional>

#include "platform/export.h"
#include "platform/ui/layer_styled_widget.h"

namespace lanterncrest {

// A text label with a layer. QLabel cannot tell an empty text from no text; setOptionalText()
// keeps that difference for code that clears a label on purpose.
class LANTERNCREST_EXPORT Label : public LayerStyledWidget<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    // std::nullopt clears the text; optionalText() then answers std::nullopt until a text is set.
    void setOptionalText(const std::optional<QString>& text);
    std::optional<QString> optionalText() const;

private:
    bool cleared_ = false;
};

} // namespace lanterncrest
