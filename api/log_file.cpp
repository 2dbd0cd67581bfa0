#include "api/log_file.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace lanterncrest {

namespace {
// Whether the file stops inside a line: a write that ran out of room (a full disk, a file size
// limit) left the start of an entry behind. Cutting it off again could cut another process's
// lines appended meanwhile, so it stays, and the next entry closes its line first.
bool endsInsideLine(int descriptor)
{
    struct stat status = {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
        return false;
    char last = '\n';
    return pread(descriptor, &last, 1, status.st_size - 1) == 1 && last != '\n';
}

// Loggers hold the file's advisory lock from looking at its end to appending, so that an entry
// another process is writing at that moment isn't taken for a cut-off line. The wait is short:
// a process stopped while it holds the lock doesn't stop this one. Without the lock (not had in
// time, or a file system without locks) the look at the end still serves; at worst it adds a
// line break too many.
void lockForAppending(int descriptor)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int openForAppending(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int flags = O_CREAT | O_APPEND | O_CLOEXEC;
    const int descriptor = open(name.constData(), O_RDWR | flags, 0666);
    // A file that may be written but not read still takes entries, only without the look at
    // its end.
    if (descriptor < 0 && errno == EACCES)
        return open(name.constData(), O_WRONLY | flags, 0666);
    return descriptor;
}
} // namespace

void appendLogEntry(const QString &path, const QByteArray &entry)
{
    const int descriptor = openForAppending(path);
    if (descriptor < 0)
        return;
    lockForAppending(descriptor); // given up by close()
    const QByteArray bytes = endsInsideLine(descriptor) ? '\n' + entry : entry;
    // One write only: finishing a short one with a second could land after another process's
    // line and split this entry in two.
    while (write(descriptor, bytes.constData(), static_cast<size_t>(bytes.size())) < 0
           && errno == EINTR) { }
    close(descriptor);
}

} // namespace lanterncrest
