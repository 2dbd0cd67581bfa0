#include "bench/squad_json.h"

#include <cstdint>
#include <string_view>

namespace lanterncrest::bench {
namespace {

// A small deterministic generator, so every run measures the same bytes.
class Numbers
{
public:
    std::uint32_t next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    std::uint32_t below(std::uint32_t bound) { return next() % bound; }

private:
    std::uint64_t m_state = 0x2545F4914F6CDD1Dull;
};

class SquadWriter
{
public:
    explicit SquadWriter(bool halfWrongKind) : m_halfWrongKind(halfWrongKind) { }

    void player(std::string &out)
    {
        m_member = 0;
        out += '{';
        text(out, "object", "player");
        text(out, "locale", "en");
        text(out, "id", identifier());
        text(out, "ar_name", "\u0645\u062d\u0645\u062f \u0627\u0644\u0639\u0644\u064a");
        text(out, "en_name", name());
        text(out, "ar_nickname", "\u0627\u0644\u0635\u0642\u0631");
        text(out, "en_nickname", "The Falcon");
        text(out, "ar_info", "\u0644\u0627\u0639\u0628 \u0648\u0633\u0637");
        text(out, "en_info", "Midfielder.");
        text(out, "birth_date", "1994-03-" + std::to_string(10 + m_numbers.below(18)));
        integer(out, "is_international", m_numbers.below(2));
        integer(out, "is_retired", 0);
        text(out, "retired_year", "2030");
        integer(out, "shirt_number", 1 + m_numbers.below(99));
        integer(out, "national_shirt_number", 1 + m_numbers.below(99));
        text(out, "market_value", std::to_string(100000 + m_numbers.below(900000)));
        text(out, "death_date", "");
        decimal(out, "weight", "72.35");
        decimal(out, "height", "180.5");
        text(out, "ar_job_after_retired", "\u0645\u062f\u0631\u0628");
        text(out, "en_job_after_retired", "Coach");
        integer(out, "active_mobile_app", 1);
        text(out, "academy_year", "2008");
        integer(out, "matches", m_numbers.below(400));
        text(out, "current_status", "active");
        record(out, "country",
               R"({"data":{"id":"om","ar_name":"\u0639\u0645\u0627\u0646","en_name":"Oman",)"
               R"("image":{"data":{"thumb":"/c/om.png"}}}})");
        record(out, "image",
               R"({"data":{"id":")" + identifier()
                       + R"(","path":"/p/full.jpg","thumb":"/p/small.jpg"}})");
        record(out, "socialMedia", R"({"data":{"twitter":"@player"}})");
        record(out, "position", positions[m_numbers.below(4)]);
        record(out, "currentTeam",
               R"({"data":{"id":")" + identifier() + R"(","en_name":"Muscat Club"}})");
        record(out, "nationalTeam", R"({"data":{"id":"om","en_name":"Oman"}})");
        record(out, "portrait", R"({"data":{"thumb":"/p/portrait.jpg"}})");
        integer(out, "age", 18 + m_numbers.below(20));
        record(out, "academy", "{}");
        integer(out, "assists", m_numbers.below(50));
        out.back() = '}';
    }

private:
    static constexpr std::string_view positions[] = {
        R"({"data":{"id":"1","ar_name":"\u062d\u0627\u0631\u0633","en_name":"Goalkeeper"}})",
        R"({"data":{"id":"2","ar_name":"\u0645\u062f\u0627\u0641\u0639","en_name":"Defender"}})",
        R"({"data":{"id":"3","ar_name":"\u0648\u0633\u0637","en_name":"Midfielder"}})",
        R"({"data":{"id":"4","ar_name":"\u0645\u0647\u0627\u062c\u0645","en_name":"Forward"}})"
    };

    // Every other member gets the wrong kind when asked to.
    bool wrongKind() { return m_halfWrongKind && (m_member++ % 2 == 0); }

    static void key(std::string &out, std::string_view name)
    {
        out += '"';
        out += name;
        out += "\":";
    }
    void text(std::string &out, std::string_view name, std::string_view value)
    {
        key(out, name);
        if (wrongKind()) {
            out += "17,";
            return;
        }
        out += '"';
        out += value;
        out += "\",";
    }
    void integer(std::string &out, std::string_view name, std::uint32_t value)
    {
        key(out, name);
        const char *quote = wrongKind() ? "\"" : "";
        out += quote;
        out += std::to_string(value);
        out += quote;
        out += ',';
    }
    void decimal(std::string &out, std::string_view name, std::string_view value)
    {
        key(out, name);
        out += wrongKind() ? "true" : value;
        out += ',';
    }
    void record(std::string &out, std::string_view name, std::string_view value)
    {
        key(out, name);
        out += wrongKind() ? "[]" : value;
        out += ',';
    }

    std::string identifier()
    {
        static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::string id(16, 'a');
        for (char &c : id) {
            c = letters[m_numbers.below(36)];
        }
        return id;
    }
    std::string name()
    {
        static constexpr std::string_view first[] = { "Salem",  "Nabil", "Yousef",
                                                      "Khalid", "Omar",  "Tariq" };
        static constexpr std::string_view last[] = { "Al Habsi", "Al Mukhaini", "Saleh",
                                                     "Al Ghassani", "Fawaz" };
        return std::string(first[m_numbers.below(6)]) + " " + std::string(last[m_numbers.below(5)]);
    }

    bool m_halfWrongKind;
    unsigned m_member = 0;
    Numbers m_numbers;
};

} // namespace

std::string squadJson(std::size_t players, bool halfWrongKind)
{
    SquadWriter writer(halfWrongKind);
    std::string out = R"({"data":[)";
    for (std::size_t i = 0; i < players; ++i) {
        writer.player(out);
        out += ',';
    }
    if (players > 0) {
        out.pop_back();
    }
    out += "]}";
    return out;
}

} // namespace lanterncrest::bench
