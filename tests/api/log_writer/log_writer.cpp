// Logs as a host process would, so that tests can watch the daily log from several processes
// at once, or from one that runs out of room in the middle of a line.
//
//   log_writer TAG COUNT [FILE_SIZE_LIMIT]
//
// Prints "ready", then for every line on standard input, an ISO date and time, logs COUNT
// entries (see logWriterMessage) at that time and prints "logged". With FILE_SIZE_LIMIT no file
// may grow beyond that many bytes, and a write that would is cut short instead of ending the
// process.

#include "api/logger.h"
#include "tests/api/log_writer/log_writer_entry.h"

#include <QCoreApplication>
#include <QDateTime>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const QString tag = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    if (tag.isEmpty())
        return 2;
    if (argc > 3) {
        const rlimit limit{ std::strtoull(argv[3], nullptr, 10), RLIM_INFINITY };
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        std::signal(SIGXFSZ, SIG_IGN);
    }

    QDateTime time;
    lanterncrest::Logger::setClock([&time] { return time; });
    std::cout << "ready" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        time = QDateTime::fromString(QString::fromStdString(line), Qt::ISODate);
        if (!time.isValid())
            return 2;
        for (int number = 0; number < count; ++number)
            lanterncrest::Logger::log(lanterncrest::test::logWriterMessage(tag, number));
        std::cout << "logged" << std::endl;
    }
    return 0;
}
