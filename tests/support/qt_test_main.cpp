#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

// Every Qt test process runs offscreen with its own HOME, so user defaults, Documents and
// caches start empty and never touch the developer's own.
int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit().constData(), 1);
    setenv("XDG_CACHE_HOME", (home.path() + "/.cache").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("LanterncrestTests");
    QCoreApplication::setApplicationName("tests");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Downloads a test left behind (images of cells, say) end while the event loop still runs,
    // so Qt's network threads wind down before the application goes.
    for (QDeadlineTimer settle(200); !settle.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return result;
}
