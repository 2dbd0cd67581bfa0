#include "examples/host/host/player_action_printer.h"

#include <cstdio>

namespace lanterncrest::host {

namespace {
void printLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}
} // namespace

void PlayerActionPrinter::viewPosts(const QString &forPlayer)
{
    printLine(QStringLiteral("view posts: ") + forPlayer);
    ++m_viewPosts;
}

void PlayerActionPrinter::fololow(const QString &playerId)
{
    printLine(QStringLiteral("follow: ") + playerId);
    ++m_follows;
}

} // namespace lanterncrest::host
