#include "screens/teams/position_grouping.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lanterncrest {
namespace {

enum class PositionShape { Absent, NoData, NoEnglishName, Named };

People player(const std::string& id, PositionShape shape, const std::string& englishName = {})
{
    People result;
    result.id = id;
    if (shape == PositionShape::Absent)
        return result;
    Position position;
    if (shape != PositionShape::NoData) {
        PositionData data;
        data.ar_name = "مركز";
        if (shape == PositionShape::Named)
            data.en_name = englishName;
        position.data = data;
    }
    result.position = position;
    return result;
}

People named(const std::string& id, const std::string& englishName)
{
    return player(id, PositionShape::Named, englishName);
}

struct GroupingCase {
    const char* name;
    std::vector<People> players;
    // The sections in order, each with the ids of its players in order.
    std::vector<std::pair<QString, std::vector<std::string>>> expected;
};

class SquadGrouping : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(SquadGrouping, FormsOneSectionPerPositionInScalarValueOrder)
{
    const GroupingCase& c = GetParam();
    const PositionGroups grouped = groupByPosition(c.players);

    std::vector<QString> expectedKeys;
    for (const auto& [key, ids] : c.expected)
        expectedKeys.push_back(key);
    EXPECT_EQ(grouped.sortedKeys, expectedKeys);
    ASSERT_EQ(grouped.groups.size(), c.expected.size());

    for (const auto& [key, ids] : c.expected) {
        const auto group = grouped.groups.find(key);
        ASSERT_NE(group, grouped.groups.end()) << key.toStdString();
        std::vector<std::string> actual;
        for (const People& p : group->second)
            actual.push_back(p.id.value_or("?"));
        EXPECT_EQ(actual, ids) << "group \"" << key.toStdString() << "\"";
    }
}

const QString composedE = QString::fromUtf8("\u00e9");   // é as one scalar
const QString fullwidthA = QString::fromUtf8("\uff21");  // in the Basic Multilingual Plane
const QString boldA = QString::fromUtf8("\U0001d400");   // beyond it, a surrogate pair in UTF-16

INSTANTIATE_TEST_SUITE_P(Table, SquadGrouping,
    ::testing::Values(
        GroupingCase{"OrderOfTheAnswerKeptWithinGroups",
            {named("1", "B"), named("2", "A"), named("3", "B")},
            {{"A", {"2"}}, {"B", {"1", "3"}}}},
        GroupingCase{"EveryMissingLinkJoinsTheEmptyKeyFirst",
            {named("1", "Defender"), player("2", PositionShape::Absent), player("3", PositionShape::NoData),
                player("4", PositionShape::NoEnglishName), named("5", ""), named("6", " ")},
            {{"", {"2", "3", "4", "5"}}, {" ", {"6"}}, {"Defender", {"1"}}}},
        GroupingCase{"CaseCountsCapitalsFirst",
            {named("1", "x"), named("2", "X"), named("3", "x")},
            {{"X", {"2"}}, {"x", {"1", "3"}}}},
        GroupingCase{"CanonicallyEquivalentNamesShareAGroup",
            {named("1", "Lib\u00e9ro"), named("2", "Libe\u0301ro"), named("3", "Libero")},
            {{"Libero", {"3"}}, {"Lib" + composedE + "ro", {"1", "2"}}}},
        GroupingCase{"ScalarValuesBeyondTheBasicPlaneSortLast",
            {named("1", "\U0001d400"), named("2", "\uff21"), named("3", "z")},
            {{"z", {"3"}}, {fullwidthA, {"2"}}, {boldA, {"1"}}}},
        GroupingCase{"APrefixSortsBeforeItsExtensions",
            {named("1", "Defender"), named("2", "Def"), named("3", "Def-")},
            {{"Def", {"2"}}, {"Def-", {"3"}}, {"Defender", {"1"}}}},
        GroupingCase{"NoPlayersNoSections", {}, {}}),
    [](const ::testing::TestParamInfo<GroupingCase>& info) { return std::string(info.param.name); });

TEST(ScalarValueOrder, DisagreesWithCodeUnitOrderWhereSurrogatesMeetTheUpperBasicPlane)
{
    EXPECT_TRUE(boldA < fullwidthA);  // what UTF-16 code units say
    EXPECT_TRUE(scalarValueLess(fullwidthA, boldA));
    EXPECT_FALSE(scalarValueLess(boldA, fullwidthA));
    EXPECT_FALSE(scalarValueLess(boldA, boldA));
    // Trailing surrogates decide between two supplementary characters of one lead surrogate.
    EXPECT_TRUE(scalarValueLess(QString::fromUtf8("\U0001d400"), QString::fromUtf8("\U0001d401")));
}

} // namespace
} // namespace lanterncrest
