#include "examples/host/sample_service/sample_image_store.h"

#include "examples/host/sample_service/sample_images.h"

namespace lanterncrest {

std::optional<QByteArray> SampleImageStore::png(const std::string& kind, const std::string& id, bool thumb)
{
    const std::string key = kind + '/' + id + (thumb ? "_thumb" : "");
    std::lock_guard lock(mutex_);
    if (const auto found = cache_.find(key); found != cache_.end())
        return found->second;
    QByteArray bytes = draw(kind, id, thumb);
    if (bytes.isEmpty())
        return std::nullopt; // unknown things are not cached, so junk paths cannot grow the map
    cache_.emplace(key, bytes);
    return bytes;
}

QByteArray SampleImageStore::draw(const std::string& kind, const std::string& id, bool thumb) const
{
    if (kind == "team") {
        if (const SampleTeam* team = season_.findTeam(id))
            return encodePng(drawTeamCrest(*team, thumb ? 128 : 256));
    } else if (kind == "player") {
        if (const auto [player, team] = season_.findPlayer(id); player)
            return encodePng(drawPlayerPhoto(*player, *team, thumb ? 128 : 320));
    } else if (kind == "country") {
        if (const SampleCountry* country = season_.findCountry(id))
            return encodePng(drawCountryFlag(*country, thumb ? 90 : 300));
    }
    return {};
}

} // namespace lanterncrest
