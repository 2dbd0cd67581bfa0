#pragma once

#include <malloc.h>

#include <QtGlobal>

#include <fstream>
#include <string>

namespace lanterncrest::bench {

// One kind of line of /proc/self/status ("VmRSS", "VmHWM") in bytes; 0 when unreadable.
inline qint64 statusBytes(const std::string &name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name + ":", 0) == 0) {
            return std::stoll(line.substr(name.size() + 1)) * 1024; // given in kB
        }
    }
    return 0;
}

// Sets the kernel's high-water mark of this process (VmHWM) to its present size.
inline bool resetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return bool(clear.flush());
}

// The peak resident memory a span of work adds: every page the process touches in between,
// on any thread, above what it held at the start.
class PeakMeter
{
public:
    // Starts the span; false when the peak cannot be reset on this system.
    bool start()
    {
        malloc_trim(0);
        m_before = statusBytes("VmRSS");
        return resetPeak();
    }
    qint64 added() const { return statusBytes("VmHWM") - m_before; }

private:
    qint64 m_before = 0;
};

} // namespace lanterncrest::bench
