#pragma once

#include "examples/host/sample_service/sample_season.h"

#include <QByteArray>

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace lanterncrest {

// The PNG files of the sample season, drawn on first request and kept. Safe to call from
// the service's worker threads at once: one picture is drawn at a time.
class SampleImageStore
{
public:
    explicit SampleImageStore(const SampleSeason &season) : m_season(season) { }

    // The picture of a "team", "player" or "country" by identifier, full size or thumbnail;
    // nothing for an unknown kind or identifier.
    std::optional<QByteArray> png(const std::string &kind, const std::string &id, bool thumb);

private:
    QByteArray draw(const std::string &kind, const std::string &id, bool thumb) const;

    const SampleSeason &m_season;
    std::mutex m_mutex;
    std::unordered_map<std::string, QByteArray> m_cache;
};

} // namespace lanterncrest
