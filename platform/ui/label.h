#pragma once

#include <QLabel>
#include <QStringList>
#include <optional>

#include "platform/export.h"
#include "platform/ui/layer_styled_widget.h"

namespace lanterncrest {

// A text label with a layer, laid out like a phone's label: words wrap, a word wider than the
// line breaks between characters, and text that does not fit ends with "…" at its tail (the
// left for right-to-left text). The text is plain, never rich text.
//
// Its size hints follow its font and numberOfLines, never its text: a long name cannot widen
// the card, header or window that holds it, and only what fits is ever laid out.
//
// QLabel cannot tell an empty text from no text; setOptionalText() keeps that difference for
// code that clears a label on purpose.
class LANTERNCREST_EXPORT Label : public LayerStyledWidget<QLabel>
{
    Q_OBJECT
    // The most lines shown: 1 (the default) is one line, 0 as many as fit in the height.
    Q_PROPERTY(int numberOfLines READ numberOfLines WRITE setNumberOfLines)
public:
    explicit Label(QWidget *parent = nullptr);

    // std::nullopt clears the text; optionalText() then answers std::nullopt until a text is set.
    void setOptionalText(const std::optional<QString> &text);
    std::optional<QString> optionalText() const;

    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines);

    // The lines as drawn at the label's present size, top to bottom.
    QStringList visibleLines() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }
    int heightForWidth(int /*width*/) const override { return -1; }

protected:
    void paintContent(QPaintEvent *event) override;

private:
    QRect textRect() const;
    int linesThatFit() const;
    QSize sizeForLines(int lines) const;

    bool m_cleared = false;
    int m_numberOfLines = 1;
};

} // namespace lanterncrest
