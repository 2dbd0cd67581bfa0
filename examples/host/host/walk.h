#pragma once

#include "examples/host/host/screen_probe.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

namespace lanterncrest {
class NavigationController;
}

namespace lanterncrest::host {

class PlayerActionPrinter;

// The road from the teams to a player's profile, walked unattended as a person would: it
// waits for each screen to settle, saves the window as a picture, and taps with simulated
// mouse clicks. Saves DIR/1-teams.png, DIR/2-squad.png and DIR/3-profile.png, presses follow
// and view posts, and ends the event loop with 0 once both lines are printed; with 1 and a
// message saying what it waited for when the time runs out or a picture cannot be saved.
class Walk : public QObject
{
    Q_OBJECT
public:
    Walk(NavigationController &window, const PlayerActionPrinter &printer, QString directory,
         int timeoutSeconds);

    void start();

private:
    struct Step
    {
        QString waitingFor; // for the time-out message
        std::function<bool()> ready;
        std::function<QString()> act; // an error text, empty when it went well
    };

    void poll();
    void finish(int status, const QString &message);
    QString save(const QString &fileName) const;
    QString tapFirstCell() const;
    QString tapButton(const QString &objectName) const;

    NavigationController &m_window;
    ScreenProbe m_probe;
    QString m_directory;
    int m_timeoutSeconds;
    std::vector<Step> m_steps;
    std::size_t m_current = 0;
    int m_readyPolls = 0;
    QTimer m_poller;
    QTimer m_deadline;
};

} // namespace lanterncrest::host
