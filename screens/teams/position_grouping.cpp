#include "screens/teams/position_grouping.h"

#include <algorithm>

namespace lanterncrest {

namespace {

// UTF-16 puts the supplementary planes (surrogates, D800..DFFF) below E000..FFFF; moving
// E000..FFFF under the surrogates makes code-unit order agree with scalar-value order.
char16_t scalarOrderWeight(char16_t unit)
{
    if (unit < 0xD800)
        return unit;
    return unit >= 0xE000 ? char16_t(unit - 0x800) : char16_t(unit + 0x2000);
}

} // namespace

bool scalarValueLess(QStringView a, QStringView b)
{
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (right == b.end())
        return false;
    if (left == a.end())
        return true;
    return scalarOrderWeight(left->unicode()) < scalarOrderWeight(right->unicode());
}

const PositionData *playerPosition(const People &player)
{
    return player.position && player.position->data ? &*player.position->data : nullptr;
}

QString positionKey(const People &player)
{
    const PositionData *position = playerPosition(player);
    if (!position || !position->en_name)
        return {};
    return QString::fromStdString(*position->en_name).normalized(QString::NormalizationForm_C);
}

PositionGroups groupByPosition(std::vector<People> players)
{
    // Each group is sized before the players move in, so that no group holds an outgrown
    // buffer beside its next one while it fills.
    std::vector<QString> keys;
    keys.reserve(players.size());
    std::map<QString, std::size_t, ScalarValueOrder> sizes;
    for (const People &player : players)
        ++sizes[keys.emplace_back(positionKey(player))];
    PositionGroups result;
    for (const auto &[key, size] : sizes)
        result.groups[key].reserve(size);
    for (std::size_t i = 0; i < players.size(); ++i)
        result.groups[keys[i]].push_back(std::move(players[i]));
    result.sortedKeys.reserve(result.groups.size());
    for (const auto &entry : result.groups)
        result.sortedKeys.push_back(entry.first);
    return result;
}

} // namespace lanterncrest
