#include "platform/ui/navigation_bar.h"

#include "platform/ui/label_lines.h"

#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace lanterncrest {

namespace {

constexpr int barHeight = 44;
constexpr int edgeMargin = 8;
constexpr int titleSpacing = 8; // between the back button and the title

} // namespace

NavigationBar::NavigationBar(QWidget *parent)
    : QWidget(parent),
      m_back(new QToolButton(this)),
      m_titleLabel(new QLabel(this))
{
    m_back->setObjectName(QStringLiteral("backButton"));
    m_back->setAutoRaise(true);
    m_back->hide();
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont font = m_titleLabel->font();
    font.setBold(true);
    m_titleLabel->setFont(font);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    connect(m_back, &QToolButton::clicked, this, &NavigationBar::backRequested);
}

void NavigationBar::show(const QString &title, bool showBack, const QString &backTitle)
{
    m_title = title;
    m_backTitle = backTitle.isEmpty() ? tr("Back") : backTitle;
    m_back->setVisible(showBack);
    layOut();
}

QSize NavigationBar::sizeHint() const
{
    return minimumSizeHint();
}

// No width of its own: a long title must never make the window wider than the host made it.
QSize NavigationBar::minimumSizeHint() const
{
    return { 0, std::max(barHeight, m_back->sizeHint().height() + 8) };
}

void NavigationBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void NavigationBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange)
        layOut();
}

// Placed by hand, in left-to-right terms and mirrored for right-to-left: a layout would ask for
// the whole title's width.
void NavigationBar::layOut()
{
    const QRect inner = rect().adjusted(edgeMargin, 0, -edgeMargin, 0);
    int roomLeft = inner.left();
    if (!m_back->isHidden()) {
        // A back title that does not even fit the whole bar is surely over a third of it, and
        // is never measured whole: the title underneath may be as long as the service sent it.
        const QString backPrefix = QStringLiteral("‹ ");
        const QString fitted =
                fitLabelLines(m_backTitle, m_back->font(), inner.width(), 1).lines.value(0);
        m_back->setText(backPrefix + fitted);
        if (fitted != m_backTitle || m_back->sizeHint().width() > inner.width() / 3)
            m_back->setText(backPrefix + tr("Back"));
        const QSize backSize = m_back->sizeHint().boundedTo(inner.size());
        const QRect backRect(QPoint(inner.left(), (height() - backSize.height()) / 2), backSize);
        m_back->setGeometry(QStyle::visualRect(layoutDirection(), rect(), backRect));
        roomLeft = backRect.right() + 1 + titleSpacing;
    }
    // Centred over the whole bar while that keeps it clear of the back button; otherwise as near
    // the centre as the free room allows, shortened to that room.
    const int roomWidth = std::max(0, inner.right() + 1 - roomLeft);
    const QFontMetrics metrics(m_titleLabel->font());
    const QString shown = fitLabelLines(m_title, m_titleLabel->font(), roomWidth, 1).lines.value(0);
    const int width = std::min(metrics.horizontalAdvance(shown), roomWidth);
    const int centred = (this->width() - width) / 2;
    const QRect titleRect(std::clamp(centred, roomLeft, roomLeft + roomWidth - width), 0, width,
                          height());
    m_titleLabel->setText(shown);
    m_titleLabel->setGeometry(QStyle::visualRect(layoutDirection(), rect(), titleRect));
}

} // namespace lanterncrest
