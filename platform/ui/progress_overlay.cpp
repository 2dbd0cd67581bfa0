#include "platform/ui/progress_overlay.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace lanterncrest {

namespace {

constexpr int boxSide = 80;
constexpr int stepDegrees = 30;
constexpr auto stepInterval = std::chrono::milliseconds(80);

} // namespace

ProgressOverlay::ProgressOverlay(QWidget *host)
{
    setObjectName(QStringLiteral("lanterncrestProgressHUD"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    attachTo(host);
    connect(&m_turn, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + stepDegrees) % 360;
        update(boxRect());
    });
    m_turn.start(stepInterval);
}

void ProgressOverlay::attachTo(QWidget *host)
{
    if (QWidget *previous = parentWidget())
        previous->removeEventFilter(this);
    if (host) {
        setParent(host, Qt::Widget);
        host->installEventFilter(this);
        fitHost();
    } else {
        setParent(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
        resize(boxSide, boxSide);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
}

QRect ProgressOverlay::boxRect() const
{
    QRect box(0, 0, boxSide, boxSide);
    box.moveCenter(rect().center());
    return box;
}

void ProgressOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = boxRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawRoundedRect(box, 12, 12);
    const QRectF ring = box.adjusted(22, 22, -22, -22);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 4));
    painter.drawEllipse(ring);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, -m_angle * 16, 100 * 16);
}

bool ProgressOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitHost();
    return false;
}

void ProgressOverlay::fitHost()
{
    setGeometry(parentWidget()->rect());
    raise();
}

} // namespace lanterncrest
