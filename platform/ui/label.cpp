#include "platform/ui/label.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

#include "platform/ui/label_lines.h"

namespace lanterncrest {

Label::Label(QWidget *parent) : LayerStyledWidget<QLabel>(parent)
{
    // A name from the service is shown as it is spelled, never read as markup.
    setTextFormat(Qt::PlainText);
}

void Label::setOptionalText(const std::optional<QString> &text)
{
    m_cleared = !text.has_value();
    setText(text.value_or(QString()));
}

std::optional<QString> Label::optionalText() const
{
    // A text set through QLabel::setText() after clearing counts as present.
    if (m_cleared && text().isEmpty())
        return std::nullopt;
    return text();
}

void Label::setNumberOfLines(int lines)
{
    m_numberOfLines = std::max(0, lines);
    updateGeometry();
    update();
}

QRect Label::textRect() const
{
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

int Label::linesThatFit() const
{
    const QFontMetrics metrics(font());
    const int height = textRect().height();
    const int byHeight =
            height < metrics.height() ? 1 : 1 + (height - metrics.height()) / metrics.lineSpacing();
    return m_numberOfLines == 0 ? byHeight : std::min(m_numberOfLines, byHeight);
}

QStringList Label::visibleLines() const
{
    return fitLabelLines(text(), font(), textRect().width(), linesThatFit()).lines;
}

QSize Label::sizeForLines(int lines) const
{
    const QFontMetrics metrics(font());
    const QMargins margins = contentsMargins();
    return { metrics.horizontalAdvance(QChar(0x2026)) + margins.left() + margins.right()
                     + 2 * margin(),
             metrics.height() + (lines - 1) * metrics.lineSpacing() + margins.top()
                     + margins.bottom() + 2 * margin() };
}

QSize Label::sizeHint() const
{
    return sizeForLines(std::max(1, m_numberOfLines));
}

QSize Label::minimumSizeHint() const
{
    return sizeForLines(1);
}

void Label::paintContent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (const auto clip = contentClip())
        painter.setClipPath(*clip, Qt::IntersectClip);
    const QRect area = textRect();
    const LabelLines shown = fitLabelLines(text(), font(), area.width(), linesThatFit());
    if (shown.lines.isEmpty())
        return;

    const QFontMetrics metrics(font());
    const int blockHeight = metrics.height() + int(shown.lines.size() - 1) * metrics.lineSpacing();
    int top = area.top();
    if (alignment() & Qt::AlignBottom)
        top = area.bottom() + 1 - blockHeight;
    else if (alignment() & Qt::AlignVCenter)
        top = area.top() + (area.height() - blockHeight) / 2;
    // Leading and trailing follow the view's direction; each line reads in the text's own.
    const int flags =
            int(QStyle::visualAlignment(layoutDirection(), alignment() & Qt::AlignHorizontal_Mask))
            | Qt::AlignTop | Qt::TextSingleLine
            | (shown.direction == Qt::RightToLeft ? Qt::TextForceRightToLeft
                                                  : Qt::TextForceLeftToRight);
    for (const QString &line : shown.lines) {
        style()->drawItemText(&painter, QRect(area.left(), top, area.width(), metrics.height()),
                              flags, palette(), isEnabled(), line, foregroundRole());
        top += metrics.lineSpacing();
    }
}

} // namespace lanterncrest
