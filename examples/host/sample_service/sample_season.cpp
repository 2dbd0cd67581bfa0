#include "examples/host/sample_service/sample_season.h"

#include "examples/host/sample_service/sample_names.h"
#include "examples/host/sample_service/seeded_sequence.h"

#include <array>
#include <cstdio>

namespace lanterncrest {

std::string sampleIdentifier(const std::string &kind, int index)
{
    // FNV-1a of the kind, mixed with the index, seeds the characters.
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (unsigned char c : kind)
        hash = (hash ^ c) * 0x100000001B3ULL;
    SeededSequence sequence(hash ^ (static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ULL));
    static constexpr char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string id(16, '0');
    for (char &c : id)
        c = kAlphabet[sequence.below(36)];
    return id;
}

namespace {

constexpr int kQatar = 0;
constexpr int kArgentina = 1;
constexpr int kSeasonYear = 2024; // ages are counted at the season's midpoint, 1 July

struct CountryRow
{
    const char *en;
    const char *ar;
    const char *enNickname;
    const char *arNickname;
    int continent;
    NameStyle names;
    std::vector<Rgb> stripes;
    bool vertical;
};

// The English names follow the service's spelling, which carries a trailing blank for
// some countries; the squad card picks its colours by that exact text.
const std::vector<CountryRow> &countryRows()
{
    static const std::vector<CountryRow> rows = {
        { "Qatar",
          "قطر",
          "Maroon Tide",
          "المد العنابي",
          0,
          NameStyle::Gulf,
          { 0xFFFFFF, 0x8A1538, 0x8A1538 },
          true },
        { "Argentina ",
          "الأرجنتين",
          "Sky Stripes",
          "الخطوط السماوية",
          1,
          NameStyle::Latin,
          { 0x75AADB, 0xFFFFFF, 0x75AADB },
          false },
        { "Tunisia",
          "تونس",
          "Carthage Hawks",
          "صقور قرطاج",
          2,
          NameStyle::Maghreb,
          { 0xE70013, 0xFFFFFF, 0xE70013 },
          false },
        { "Morocco ",
          "المغرب",
          "Atlas Eagles",
          "نسور الأطلس",
          2,
          NameStyle::Maghreb,
          { 0xC1272D, 0x006233 },
          false },
        { "Brazil ",
          "البرازيل",
          "Canary Samba",
          "سامبا الكناري",
          1,
          NameStyle::Latin,
          { 0x009C3B, 0xFFDF00, 0x002776 },
          false },
        { "Spain",
          "إسبانيا",
          "Iberian Bulls",
          "ثيران إيبيريا",
          3,
          NameStyle::Latin,
          { 0xAA151B, 0xF1BF00, 0xAA151B },
          false },
        { "Japan",
          "اليابان",
          "Rising Blue",
          "الأزرق الصاعد",
          0,
          NameStyle::Japanese,
          { 0xFFFFFF, 0xBC002D, 0xFFFFFF },
          true },
        { "Senegal",
          "السنغال",
          "Baobab Lions",
          "أسود الباوباب",
          2,
          NameStyle::African,
          { 0x00853F, 0xFDEF42, 0xE31B23 },
          true },
        { "Ghana",
          "غانا",
          "Gold Coast Stars",
          "نجوم الساحل الذهبي",
          2,
          NameStyle::African,
          { 0xCE1126, 0xFCD116, 0x006B3F },
          false },
        { "Germany ",
          "ألمانيا",
          "Forest Eagles",
          "نسور الغابة",
          3,
          NameStyle::Nordic,
          { 0x000000, 0xDD0000, 0xFFCE00 },
          false },
        { "Oman",
          "عُمان",
          "Frankincense Warriors",
          "محاربو اللبان",
          0,
          NameStyle::Gulf,
          { 0xFFFFFF, 0xDB161B, 0x008000 },
          false },
        { "Iceland",
          "آيسلندا",
          "Geyser Vikings",
          "فايكنغ الينابيع",
          3,
          NameStyle::Nordic,
          { 0x02529C, 0xFFFFFF, 0xDC1E35, 0xFFFFFF, 0x02529C },
          true },
        { "Chile",
          "تشيلي",
          "Andes Condors",
          "كوندور الأنديز",
          1,
          NameStyle::Latin,
          { 0xFFFFFF, 0xD52B1E },
          false },
        { "Kenya",
          "كينيا",
          "Savanna Runners",
          "عدّاؤو السافانا",
          2,
          NameStyle::African,
          { 0x000000, 0xBB0000, 0x006600 },
          false },
    };
    return rows;
}

struct TeamRow
{
    const char *en;
    const char *ar;
    const char *enNickname;
    const char *arNickname;
    const char *years;
    Rgb primary;
    Rgb secondary;
};

constexpr std::array<TeamRow, 14> kTeams = { {
        { "Red Lions", "الأسود الحمر", "The Roar", "الزئير", "1968", 0xC62828, 0xFFD54F },
        { "Desert Falcons", "صقور الصحراء", "Sand Wings", "أجنحة الرمال", "1972", 0xB08850,
          0x4E342E },
        { "Pearl Coast", "ساحل اللؤلؤ", "The Divers", "الغواصون", "1979", 0x00838F, 0xECEFF1 },
        { "Blue Dunes", "الكثبان الزرقاء", "Dune Riders", "فرسان الكثبان", "1983", 0x1565C0,
          0xE3F2FD },
        { "Palm Harbour", "ميناء النخيل", "The Anchors", "المراسي", "1961", 0x2E7D32, 0xFFF59D },
        { "Old Fort", "القلعة القديمة", "Stone Guard", "حرس الحجر", "1957", 0x6D4C41, 0xD7CCC8 },
        { "Golden Gazelles", "الغزلان الذهبية", "The Horns", "القرون", "1990", 0xF9A825, 0x212121 },
        { "Night Stars", "نجوم الليل", "The Comets", "المذنبات", "1995", 0x1A237E, 0xFFEB3B },
        { "Sea Breeze", "نسيم البحر", "The Waves", "الأمواج", "1986", 0x0097A7, 0xFFFFFF },
        { "Amber Wolves", "الذئاب الكهرمانية", "The Pack", "القطيع", "2001", 0xFF8F00, 0x263238 },
        { "Green Oasis", "الواحة الخضراء", "Palm Shade", "ظل النخيل", "1977", 0x388E3C, 0xFFFFFF },
        { "Silver Dhow", "المركب الفضي", "The Sailors", "البحارة", "1964", 0x607D8B, 0x0D47A1 },
        { "Iron Gate", "البوابة الحديدية", "The Bolts", "المسامير", "1975", 0x424242, 0xEF5350 },
        { "Cedar Hill", "تلة الأرز", "The Climbers", "المتسلقون", "1998", 0x33691E, 0xF1F8E9 },
} };

// Preferred national shirt numbers per position; the lists share no number, so a squad
// never repeats one.
const std::array<std::vector<int>, 4> &shirtNumbers()
{
    static const std::array<std::vector<int>, 4> numbers = { {
            { 1, 22, 12, 30, 40 },
            { 2, 3, 4, 5, 6, 15, 24, 26, 28, 33, 44 },
            { 8, 10, 14, 16, 17, 18, 20, 25, 27 },
            { 9, 11, 7, 19, 29, 39, 99 },
    } };
    return numbers;
}

std::string initialsOf(const std::string &name)
{
    std::string initials;
    bool atWordStart = true;
    for (char c : name) {
        if (c == ' ') {
            atWordStart = true;
        } else if (atWordStart) {
            initials += c;
            atWordStart = false;
        }
    }
    return initials;
}

SamplePlayer makePlayer(int teamIndex, int squadIndex, int position, int shirt, int country,
                        const SampleSeason &season, SeededSequence &sequence)
{
    SamplePlayer player;
    player.id = sampleIdentifier("player", teamIndex * 100 + squadIndex);
    const SampleName name =
            inventName(season.countries[static_cast<std::size_t>(country)].names, sequence);
    player.enName = name.en;
    player.arName = name.ar;
    player.position = position;
    player.country = country;
    player.nationalShirtNumber = shirt;
    player.shirtNumber = (shirt * 7 + teamIndex) % 98 + 1;

    const int year = sequence.between(1990, 2005);
    const int month = sequence.between(1, 12);
    const int day = sequence.between(1, 28);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    player.birthDate = date;
    player.age = kSeasonYear - year - (month >= 7 ? 1 : 0);

    const bool keeper = position == 0;
    player.weight =
            static_cast<float>(sequence.between(keeper ? 160 : 130, keeper ? 184 : 170)) / 2.0f;
    static constexpr int kHeightLow[] = { 185, 178, 168, 170 };
    static constexpr int kHeightHigh[] = { 198, 192, 185, 190 };
    player.height =
            static_cast<float>(sequence.between(kHeightLow[position], kHeightHigh[position]));
    player.matches = sequence.between(0, 180);
    static constexpr int kAssistsHigh[] = { 1, 10, 40, 30 };
    player.assists = sequence.between(0, kAssistsHigh[position]);
    player.isInternational = sequence.below(country == kQatar ? 3 : 2) == 0 ? 1 : 0;
    player.marketValue = std::to_string(sequence.between(1, 60) * 50000);
    return player;
}

std::vector<SamplePlayer> makeSquad(int teamIndex, const SampleSeason &season)
{
    SeededSequence sequence(0x5EED0000ULL + static_cast<std::uint64_t>(teamIndex));
    const int counts[4] = { 3, 7 + sequence.below(2), 7 + sequence.below(2),
                            4 + sequence.below(2) };
    const int foreignCountries = static_cast<int>(season.countries.size()) - 1;

    std::vector<SamplePlayer> squad;
    for (int position = 0; position < 4; ++position) {
        for (int k = 0; k < counts[position]; ++k) {
            const int country =
                    sequence.below(100) < 55 ? kQatar : 1 + sequence.below(foreignCountries);
            const int shirt =
                    shirtNumbers()[static_cast<std::size_t>(position)][static_cast<std::size_t>(k)];
            squad.push_back(makePlayer(teamIndex, static_cast<int>(squad.size()), position, shirt,
                                       country, season, sequence));
        }
    }

    // Every squad shows all three card colourings: the Qatar one, the Argentina one and the
    // default one. Where chance left one out, an outfield player takes it on.
    auto has = [&](auto predicate) {
        for (const SamplePlayer &p : squad)
            if (predicate(p.country))
                return true;
        return false;
    };
    auto reassign = [&](std::size_t at, int country) {
        SeededSequence renamed(0xC0FFEEULL * (static_cast<std::uint64_t>(teamIndex) + 1) + at);
        const SampleName name =
                inventName(season.countries[static_cast<std::size_t>(country)].names, renamed);
        squad[at].country = country;
        squad[at].enName = name.en;
        squad[at].arName = name.ar;
    };
    if (!has([](int c) { return c == kQatar; }))
        reassign(3, kQatar);
    if (!has([](int c) { return c == kArgentina; }))
        reassign(squad.size() - 2, kArgentina);
    if (!has([](int c) { return c != kQatar && c != kArgentina; }))
        reassign(squad.size() - 4, 2 + teamIndex % (foreignCountries - 1));
    return squad;
}

SampleSeason makeSampleSeason()
{
    SampleSeason season;
    season.id = kSampleSeasonId;
    season.continents = {
        { sampleIdentifier("continent", 0), "Asia", "آسيا", "asia" },
        { sampleIdentifier("continent", 1), "South America", "أمريكا الجنوبية", "south-america" },
        { sampleIdentifier("continent", 2), "Africa", "أفريقيا", "africa" },
        { sampleIdentifier("continent", 3), "Europe", "أوروبا", "europe" },
    };
    int index = 0;
    for (const CountryRow &row : countryRows()) {
        season.countries.push_back({ sampleIdentifier("country", index++), row.en, row.ar,
                                     row.enNickname, row.arNickname, row.continent, row.names,
                                     row.stripes, row.vertical });
    }
    season.positions = {
        { sampleIdentifier("position", 0), "Goalkeeper", "حارس مرمى" },
        { sampleIdentifier("position", 1), "Defender", "مدافع" },
        { sampleIdentifier("position", 2), "Midfielder", "لاعب وسط" },
        { sampleIdentifier("position", 3), "Forward", "مهاجم" },
    };
    SeededSequence sequence(0x7EA45ULL);
    for (std::size_t t = 0; t < kTeams.size(); ++t) {
        const TeamRow &row = kTeams[t];
        SampleTeam team;
        team.id = sampleIdentifier("team", static_cast<int>(t));
        team.enName = row.en;
        team.arName = row.ar;
        team.enNickname = row.enNickname;
        team.arNickname = row.arNickname;
        team.initials = initialsOf(row.en);
        team.years = row.years;
        team.matchesCount = sequence.between(300, 1800);
        team.country = kQatar;
        team.primary = row.primary;
        team.secondary = row.secondary;
        team.players = makeSquad(static_cast<int>(t), season);
        season.teams.push_back(std::move(team));
    }

    for (std::size_t t = 0; t < season.teams.size(); ++t) {
        season.teamIndex.emplace(season.teams[t].id, t);
        for (std::size_t p = 0; p < season.teams[t].players.size(); ++p)
            season.playerIndex.emplace(season.teams[t].players[p].id, std::pair{ t, p });
    }
    for (std::size_t c = 0; c < season.countries.size(); ++c)
        season.countryIndex.emplace(season.countries[c].id, c);
    return season;
}

} // namespace

const SampleTeam *SampleSeason::findTeam(const std::string &teamId) const
{
    const auto found = teamIndex.find(teamId);
    return found == teamIndex.end() ? nullptr : &teams[found->second];
}

const SampleCountry *SampleSeason::findCountry(const std::string &countryId) const
{
    const auto found = countryIndex.find(countryId);
    return found == countryIndex.end() ? nullptr : &countries[found->second];
}

std::pair<const SamplePlayer *, const SampleTeam *>
SampleSeason::findPlayer(const std::string &playerId) const
{
    const auto found = playerIndex.find(playerId);
    if (found == playerIndex.end())
        return { nullptr, nullptr };
    const SampleTeam &team = teams[found->second.first];
    return { &team.players[found->second.second], &team };
}

const SampleSeason &sampleSeason()
{
    static const SampleSeason season = makeSampleSeason();
    return season;
}

} // namespace lanterncrest
