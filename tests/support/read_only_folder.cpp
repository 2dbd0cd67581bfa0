#include "tests/support/read_only_folder.h"

#include <QTemporaryFile>

#include <sys/syscall.h>
#include <unistd.h>

namespace lanterncrest::test {

namespace {
__user_cap_header_struct thisThread()
{
    return { _LINUX_CAPABILITY_VERSION_3, 0 };
}

constexpr __u32 overridesModes = 1u << CAP_DAC_OVERRIDE;
} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : m_path(path), m_mode(QFile::permissions(path))
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    __user_cap_header_struct header = thisThread();
    if (::syscall(SYS_capget, &header, m_capabilities) == 0
        && (m_capabilities[0].effective & overridesModes) != 0) {
        __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3] = { m_capabilities[0],
                                                                     m_capabilities[1] };
        lowered[0].effective &= ~overridesModes;
        m_capabilitiesLowered = ::syscall(SYS_capset, &header, lowered) == 0;
    }
    m_refusesWrites = !QTemporaryFile(path + QStringLiteral("/probe")).open();
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_capabilitiesLowered) {
        __user_cap_header_struct header = thisThread();
        ::syscall(SYS_capset, &header, m_capabilities);
    }
    QFile::setPermissions(m_path, m_mode);
}

} // namespace lanterncrest::test
