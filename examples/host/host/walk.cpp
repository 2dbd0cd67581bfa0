#include "examples/host/host/walk.h"

#include "examples/host/host/player_action_printer.h"
#include "platform/ui/navigation_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTextStream>

namespace lanterncrest::host {

namespace {
// A screen counts as settled when it looked ready on this many polls in a row, so that the
// picture shows what the last layout pass and the last image put there.
constexpr int kSteadyPolls = 3;
constexpr int kPollMilliseconds = 50;
} // namespace

Walk::Walk(NavigationController &window, const PlayerActionPrinter &printer, QString directory,
           int timeoutSeconds)
    : m_window(window),
      m_probe(window),
      m_directory(std::move(directory)),
      m_timeoutSeconds(timeoutSeconds)
{
    const auto onScreen = [this](int depth) {
        return [this, depth] {
            return m_probe.depth() == depth && m_probe.firstVisibleCell() && ScreenProbe::settled();
        };
    };
    m_steps = {
        { QStringLiteral("the teams grid"), onScreen(1),
          [this] {
              QString error = save(QStringLiteral("1-teams.png"));
              return error.isEmpty() ? tapFirstCell() : error;
          } },
        { QStringLiteral("the squad of the first team"), onScreen(2),
          [this] {
              QString error = save(QStringLiteral("2-squad.png"));
              return error.isEmpty() ? tapFirstCell() : error;
          } },
        { QStringLiteral("the profile of the first player"),
          [this] {
              return m_probe.depth() == 3 && m_probe.visibleWidget(QStringLiteral("followButton"))
                      && m_probe.visibleWidget(QStringLiteral("viewPostsButton"))
                      && ScreenProbe::settled();
          },
          [this] {
              QString error = save(QStringLiteral("3-profile.png"));
              if (error.isEmpty())
                  error = tapButton(QStringLiteral("followButton"));
              return error.isEmpty() ? tapButton(QStringLiteral("viewPostsButton")) : error;
          } },
        { QStringLiteral("the lines \"follow: ID\" and \"view posts: ID\""),
          [&printer] { return printer.followsPrinted() > 0 && printer.viewPostsPrinted() > 0; },
          [] { return QString(); } },
    };

    m_poller.setInterval(kPollMilliseconds);
    connect(&m_poller, &QTimer::timeout, this, &Walk::poll);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(m_timeoutSeconds * 1000);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        finish(1,
               QStringLiteral("timed out after %1 s waiting for %2")
                       .arg(m_timeoutSeconds)
                       .arg(m_steps[m_current].waitingFor));
    });
}

void Walk::start()
{
    if (!QDir().mkpath(m_directory)) {
        // Reported from the event loop, which is not running yet.
        QTimer::singleShot(0, this,
                           [this] { finish(1, QStringLiteral("cannot create ") + m_directory); });
        return;
    }
    m_poller.start();
    m_deadline.start();
}

void Walk::poll()
{
    if (m_current >= m_steps.size())
        return;
    const Step &step = m_steps[m_current];
    m_readyPolls = step.ready() ? m_readyPolls + 1 : 0;
    if (m_readyPolls < kSteadyPolls)
        return;
    m_readyPolls = 0;
    if (const QString error = step.act(); !error.isEmpty()) {
        finish(1, error);
        return;
    }
    if (++m_current == m_steps.size())
        finish(0, QStringLiteral("the three screens are in ") + QDir(m_directory).absolutePath());
}

void Walk::finish(int status, const QString &message)
{
    m_poller.stop();
    m_deadline.stop();
    m_current = m_steps.size();
    QTextStream(stderr) << "lanterncrest-host: " << (status == 0 ? "" : "walk failed: ") << message
                        << Qt::endl;
    QCoreApplication::exit(status);
}

QString Walk::save(const QString &fileName) const
{
    const QString path = QDir(m_directory).filePath(fileName);
    if (!m_window.window()->grab().save(path, "PNG"))
        return QStringLiteral("cannot write ") + path;
    return {};
}

QString Walk::tapFirstCell() const
{
    QWidget *cell = m_probe.firstVisibleCell();
    if (!cell)
        return QStringLiteral("the cell to tap went away");
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, cell->rect().center());
    return {};
}

QString Walk::tapButton(const QString &objectName) const
{
    QWidget *button = m_probe.visibleWidget(objectName);
    if (!button)
        return QStringLiteral("no visible ") + objectName;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    return {};
}

} // namespace lanterncrest::host
