#pragma once

#include <QTemporaryDir>

#include <cstdlib>

namespace lanterncrest::bench {

// A run of a screen benchmark: offscreen unless told otherwise, with settings, Documents and
// caches of its own, never the developer's. Made before the application, kept for the run.
class PrivateHome
{
public:
    PrivateHome()
    {
        if (!std::getenv("QT_QPA_PLATFORM")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        if (m_home.isValid()) {
            setenv("HOME", m_home.path().toLocal8Bit().constData(), 1);
            setenv("XDG_CONFIG_HOME", (m_home.path() + "/.config").toLocal8Bit().constData(), 1);
            setenv("XDG_CACHE_HOME", (m_home.path() + "/.cache").toLocal8Bit().constData(), 1);
        }
    }
    bool isValid() const { return m_home.isValid(); }

private:
    QTemporaryDir m_home;
};

} // namespace lanterncrest::bench
