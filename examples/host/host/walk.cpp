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

Walk::Walk(NavigationController& window, const PlayerActionPrinter& printer, QString directory,
           int timeoutSeconds)
    : window_(window)
    , probe_(window)
    , directory_(std::move(directory))
    , timeoutSeconds_(timeoutSeconds)
{
    const auto onScreen = [this](int depth) {
        return [this, depth] { return probe_.depth() == depth && probe_.firstVisibleCell() && ScreenProbe::settled(); };
    };
    steps_ = {
        {QStringLiteral("the teams grid"), onScreen(1),
         [this] {
             QString error = save(QStringLiteral("1-teams.png"));
             return error.isEmpty() ? tapFirstCell() : error;
         }},
        {QStringLiteral("the squad of the first team"), onScreen(2),
         [this] {
             QString error = save(QStringLiteral("2-squad.png"));
             return error.isEmpty() ? tapFirstCell() : error;
         }},
        {QStringLiteral("the profile of the first player"),
         [this] {
             return probe_.depth() == 3 && probe_.visibleWidget(QStringLiteral("followButton"))
                 && probe_.visibleWidget(QStringLiteral("viewPostsButton")) && ScreenProbe::settled();
         },
         [this] {
             QString error = save(QStringLiteral("3-profile.png"));
             if (error.isEmpty())
                 error = tapButton(QStringLiteral("followButton"));
             return error.isEmpty() ? tapButton(QStringLiteral("viewPostsButton")) : error;
         }},
        {QStringLiteral("the lines \"follow: ID\" and \"view posts: ID\""),
         [&printer] { return printer.followsPrinted() > 0 && printer.viewPostsPrinted() > 0; },
         [] { return QString(); }},
    };

    poller_.setInterval(kPollMilliseconds);
    connect(&poller_, &QTimer::timeout, this, &Walk::poll);
    deadline_.setSingleShot(true);
    deadline_.setInterval(timeoutSeconds_ * 1000);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        finish(1, QStringLiteral("timed out after %1 s waiting for %2")
                      .arg(timeoutSeconds_)
                      .arg(steps_[current_].waitingFor));
    });
}

void Walk::start()
{
    if (!QDir().mkpath(directory_)) {
        // Reported from the event loop, which is not running yet.
        QTimer::singleShot(0, this, [this] { finish(1, QStringLiteral("cannot create ") + directory_); });
        return;
    }
    poller_.start();
    deadline_.start();
}

void Walk::poll()
{
    if (current_ >= steps_.size())
        return;
    const Step& step = steps_[current_];
    readyPolls_ = step.ready() ? readyPolls_ + 1 : 0;
    if (readyPolls_ < kSteadyPolls)
        return;
    readyPolls_ = 0;
    if (const QString error = step.act(); !error.isEmpty()) {
        finish(1, error);
        return;
    }
    if (++current_ == steps_.size())
        finish(0, QStringLiteral("the three screens are in ") + QDir(directory_).absolutePath());
}

void Walk::finish(int status, const QString& message)
{
    poller_.stop();
    deadline_.stop();
    current_ = steps_.size();
    QTextStream(stderr) << "lanterncrest-host: " << (status == 0 ? "" : "walk failed: ") << message << Qt::endl;
    QCoreApplication::exit(status);
}

QString Walk::save(const QString& fileName) const
{
    const QString path = QDir(directory_).filePath(fileName);
    if (!window_.window()->grab().save(path, "PNG"))
        return QStringLiteral("cannot write ") + path;
    return {};
}

QString Walk::tapFirstCell() const
{
    QWidget* cell = probe_.firstVisibleCell();
    if (!cell)
        return QStringLiteral("the cell to tap went away");
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, cell->rect().center());
    return {};
}

QString Walk::tapButton(const QString& objectName) const
{
    QWidget* button = probe_.visibleWidget(objectName);
    if (!button)
        return QStringLiteral("no visible ") + objectName;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    return {};
}

} // namespace lanterncrest::host
