#include "examples/host/sample_service/sample_image_store.h"

#include "examples/host/sample_service/sample_images.h"

namespace lanterncrest {

std::optional<QByteArray> SampleImageStore::png(const std::string &kind, const std::string &id,
                                                bool thumb)
{
    const std::string key = kind + '/' + id + (thumb ? "_thumb" : "");
    std::lock_guard lock(m_mutex);
    if (const auto found = m_cache.find(key); found != m_cache.end())
        return found->second;
    QByteArray bytes = draw(kind, id, thumb);
    if (bytes.isEmpty())
        return std::nullopt; // unknown things are not cached, so junk paths cannot grow the map
    m_cache.emplace(key, bytes);
    return bytes;
}

QByteArray SampleImageStore::draw(const std::string &kind, const std::string &id, bool thumb) const
{
    if (kind == "team") {
        if (const SampleTeam *team = m_season.findTeam(id))
            return encodePng(drawTeamCrest(*team, thumb ? 128 : 256));
    } else if (kind == "player") {
        if (const auto [player, team] = m_season.findPlayer(id); player)
            return encodePng(drawPlayerPhoto(*player, *team, thumb ? 128 : 320));
    } else if (kind == "country") {
        if (const SampleCountry *country = m_season.findCountry(id))
            return encodePng(drawCountryFlag(*country, thumb ? 90 : 300));
    }
    return {};
}

} // namespace lanterncrest
