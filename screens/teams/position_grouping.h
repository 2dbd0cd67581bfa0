#pragma once

#include "records/people.h"

#include <QString>
#include <QStringView>

#include <map>
#include <vector>

namespace lanterncrest {

// Whether `a` sorts before `b` by Unicode scalar values (not by UTF-16 code units): case-
// sensitive, a text before every longer text that begins with it, the empty text first.
bool scalarValueLess(QStringView a, QStringView b);

struct ScalarValueOrder
{
    bool operator()(QStringView a, QStringView b) const { return scalarValueLess(a, b); }
};

// The squad's players grouped by the English name of their position, the groups in the order
// the sections are shown. The key is the name in Unicode normalisation form C, so that a name
// sent composed ("é") and one sent decomposed ("e" + U+0301) key one group. A player without a
// position, or whose position has no English name, has the empty key.
using PositionGroupMap = std::map<QString, std::vector<People>, ScalarValueOrder>;

struct PositionGroups
{
    PositionGroupMap groups;
    // Every key of `groups` once, in the order of `groups`.
    std::vector<QString> sortedKeys;
};

// One group per distinct key; within a group the players keep the order of `players`, which
// move into their groups.
PositionGroups groupByPosition(std::vector<People> players);

// The player's position as the answer sent it; nullptr when the player has no position or the
// position has no data.
const PositionData *playerPosition(const People &player);

// The key a player is grouped under: its position's English name in form C, or "".
QString positionKey(const People &player);

} // namespace lanterncrest
