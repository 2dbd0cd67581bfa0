#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lanterncrest {

// The invented season that the sample service serves. Every name, number and colour here is
// made up; the data are generated once from fixed seeds and never change afterwards, so any
// thread may read them without a lock.

using Rgb = std::uint32_t; // 0xRRGGBB

struct SampleContinent
{
    std::string id;
    std::string enName;
    std::string arName;
    std::string icon; // a short text tag; the service never serves a picture for it
};

enum class NameStyle { Gulf, Maghreb, Latin, Nordic, African, Japanese };

struct SampleCountry
{
    std::string id;
    std::string enName; // exactly as the service spells it, trailing blank included
    std::string arName;
    std::string enNickname;
    std::string arNickname;
    int continent = 0; // index into SampleSeason::continents
    NameStyle names = NameStyle::Gulf;
    std::vector<Rgb> stripes; // the invented flag, drawn as equal bands
    bool verticalStripes = false;
};

struct SamplePosition
{
    std::string id;
    std::string enName;
    std::string arName;
};

struct SamplePlayer
{
    std::string id;
    std::string enName;
    std::string arName;
    int position = 0; // index into SampleSeason::positions
    int country = 0; // index into SampleSeason::countries
    int nationalShirtNumber = 0;
    int shirtNumber = 0;
    std::string birthDate; // "yyyy-MM-dd"
    int age = 0;
    float weight = 0; // kilograms, whole or half
    float height = 0; // centimetres
    int matches = 0;
    int assists = 0;
    int isInternational = 0;
    std::string marketValue; // text, as the service sends it
};

struct SampleTeam
{
    std::string id;
    std::string enName;
    std::string arName;
    std::string enNickname;
    std::string arNickname;
    std::string initials; // drawn on the crest
    std::string years; // the founding year, as text
    int matchesCount = 0;
    int country = 0;
    Rgb primary = 0;
    Rgb secondary = 0;
    std::vector<SamplePlayer> players;
};

struct SampleSeason
{
    std::string id;
    std::vector<SampleContinent> continents;
    std::vector<SampleCountry> countries;
    std::vector<SamplePosition> positions;
    std::vector<SampleTeam> teams;

    const SampleTeam *findTeam(const std::string &teamId) const;
    const SampleCountry *findCountry(const std::string &countryId) const;
    // The player and the team whose squad holds it, or nulls.
    std::pair<const SamplePlayer *, const SampleTeam *>
    findPlayer(const std::string &playerId) const;

    // Built by makeSampleSeason() once the vectors are complete.
    std::unordered_map<std::string, std::size_t> teamIndex;
    std::unordered_map<std::string, std::size_t> countryIndex;
    std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> playerIndex;
};

// The one season, built on first use (thread-safe) and kept for the life of the process.
const SampleSeason &sampleSeason();

// The season identifier that the framework asks for.
inline constexpr const char *kSampleSeasonId = "4jgw0ek6ajq3m5ya";

} // namespace lanterncrest
