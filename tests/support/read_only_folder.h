#pragma once

#include <QFile>
#include <QString>

#include <linux/capability.h>

namespace lanterncrest::test {

// Makes a folder read-only (r-x for its owner) while it lives, then gives it its mode back.
// Root writes into a read-only folder all the same, so for root the calling thread also
// gives up overriding file modes meanwhile; Linux keeps capabilities per thread, so only
// writes made on this thread are refused.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // False when writes into the folder could not be refused (a test can't go on then).
    bool refusesWrites() const { return m_refusesWrites; }

private:
    QString m_path;
    QFile::Permissions m_mode;
    bool m_capabilitiesLowered = false;
    __user_cap_data_struct m_capabilities[_LINUX_CAPABILITY_U32S_3] = {};
    bool m_refusesWrites = false;
};

} // namespace lanterncrest::test
