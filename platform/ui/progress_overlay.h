#pragma once

#include <QTimer>
#include <QWidget>

namespace lanterncrest {

// The widget behind ProgressHUD: covers its host window (or is a small window of its own when
// it has no host) and paints a turning arc on a dark rounded square in its middle.
class ProgressOverlay : public QWidget
{
    Q_OBJECT
public:
    // `host` null makes a frameless window of its own.
    explicit ProgressOverlay(QWidget *host);

    QWidget *host() const { return parentWidget(); }
    // Moves the overlay onto another host (null: its own window). It is hidden afterwards.
    void attachTo(QWidget *host);

    // The rounded square with the spinner, in the overlay's coordinates.
    QRect boxRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitHost();

    QTimer m_turn;
    int m_angle = 0;
};

} // namespace lanterncrest
