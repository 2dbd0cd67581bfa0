#include "examples/host/sample_service/sample_names.h"

#include <span>

namespace lanterncrest {
namespace {

struct Pair
{
    const char *en;
    const char *ar;
};

constexpr Pair kGulfGiven[] = {
    { "Hamad", "حمد" },   { "Khalid", "خالد" }, { "Jassim", "جاسم" }, { "Nasser", "ناصر" },
    { "Faisal", "فيصل" }, { "Rashid", "راشد" }, { "Saud", "سعود" },   { "Mubarak", "مبارك" },
    { "Salem", "سالم" },  { "Ahmed", "أحمد" },  { "Yousef", "يوسف" }, { "Ali", "علي" },
    { "Majid", "ماجد" },  { "Hassan", "حسن" },  { "Omar", "عمر" },    { "Saad", "سعد" },
};
constexpr Pair kGulfFamily[] = {
    { "Al-Fanar", "الفنار" },   { "Al-Qimma", "القمة" },    { "Al-Marjan", "المرجان" },
    { "Al-Sahil", "الساحل" },   { "Al-Nakheel", "النخيل" }, { "Al-Ghaima", "الغيمة" },
    { "Al-Yaqout", "الياقوت" }, { "Al-Ramli", "الرملي" },   { "Al-Kawkab", "الكوكب" },
    { "Al-Shuaa", "الشعاع" },   { "Al-Dana", "الدانة" },    { "Al-Wadi", "الوادي" },
    { "Al-Najmi", "النجمي" },   { "Al-Bahri", "البحري" },
};
constexpr Pair kMaghrebGiven[] = {
    { "Anis", "أنيس" },   { "Karim", "كريم" },    { "Mehdi", "مهدي" }, { "Yassine", "ياسين" },
    { "Hamza", "حمزة" },  { "Walid", "وليد" },    { "Ayoub", "أيوب" }, { "Bilal", "بلال" },
    { "Ilyes", "إلياس" }, { "Sofiane", "سفيان" }, { "Nabil", "نبيل" }, { "Rami", "رامي" },
};
constexpr Pair kMaghrebFamily[] = {
    { "Bensalem", "بن سالم" }, { "Zerrouki", "الزروقي" }, { "Belkacem", "بلقاسم" },
    { "Chaouch", "شاوش" },     { "Tlili", "التليلي" },    { "Ouazzani", "الوزاني" },
    { "Amrani", "العمراني" },  { "Jebali", "الجبالي" },   { "Rahmouni", "الرحموني" },
    { "Bouzid", "بوزيد" },
};
constexpr Pair kLatinGiven[] = {
    { "Mateo", "ماتيو" },     { "Tomás", "توماس" },       { "Santiago", "سانتياغو" },
    { "Nicolás", "نيكولاس" }, { "Joaquín", "خواكين" },    { "Diego", "دييغو" },
    { "Facundo", "فاكوندو" }, { "Gonzalo", "غونزالو" },   { "Thiago", "تياغو" },
    { "Bruno", "برونو" },     { "Rafael", "رافائيل" },    { "Pablo", "بابلو" },
    { "Álvaro", "ألفارو" },   { "Emiliano", "إميليانو" },
};
constexpr Pair kLatinFamily[] = {
    { "Varela", "فاريلا" },  { "Montero", "مونتيرو" },        { "Ferreyra", "فيريرا" },
    { "Quiroga", "كيروغا" }, { "Salvatierra", "سالفاتييرا" }, { "Echeverri", "إتشيفيري" },
    { "Duarte", "دوارتي" },  { "Paredes", "باريديس" },        { "Olmedo", "أولميدو" },
    { "Arriaga", "أرياغا" }, { "Cabral", "كابرال" },          { "Ledesma", "ليديسما" },
};
constexpr Pair kLatinNicknames[] = {
    { "Tavinho", "تافينيو" }, { "Netinho", "نيتينيو" }, { "Zezinho", "زيزينيو" },
    { "Caíque", "كاييكي" },   { "Biel", "بييل" },
};
constexpr Pair kNordicGiven[] = {
    { "Emil", "إميل" },    { "Jonas", "يوناس" },   { "Lukas", "لوكاس" }, { "Felix", "فيليكس" },
    { "Henrik", "هنريك" }, { "Sindri", "سيندري" }, { "Anton", "أنطون" }, { "Niklas", "نيكلاس" },
    { "Oskar", "أوسكار" }, { "Leon", "ليون" },
};
constexpr Pair kNordicFamily[] = {
    { "Lindqvist", "ليندكفيست" }, { "Brandt", "براندت" }, { "Halvorsen", "هالفورسن" },
    { "Eriksson", "إريكسون" },    { "Vogel", "فوغل" },    { "Sigurdsson", "سيغوردسون" },
    { "Falk", "فالك" },           { "Richter", "ريختر" }, { "Hagen", "هاغن" },
    { "Engel", "إنغل" },
};
constexpr Pair kAfricanGiven[] = {
    { "Kofi", "كوفي" },         { "Kwame", "كوامي" },    { "Moussa", "موسى" },
    { "Ibrahima", "إبراهيما" }, { "Cheikh", "شيخ" },     { "Yaw", "ياو" },
    { "Mamadou", "مامادو" },    { "Kojo", "كوجو" },      { "Ousmane", "عثمان" },
    { "Abdou", "عبدو" },        { "Otieno", "أوتيينو" }, { "Baraka", "بركة" },
};
constexpr Pair kAfricanFamily[] = {
    { "Mensah", "منساه" },  { "Diallo", "ديالو" },    { "Owusu", "أووسو" },
    { "Ndiaye", "انجاي" },  { "Boateng", "بواتينغ" }, { "Sarr", "سار" },
    { "Asante", "أسانتي" }, { "Faye", "فاي" },        { "Kamara", "كامارا" },
    { "Gueye", "غي" },      { "Wanyama", "وانياما" }, { "Odhiambo", "أوديامبو" },
};
constexpr Pair kJapaneseGiven[] = {
    { "Kenji", "كينجي" }, { "Haruto", "هاروتو" }, { "Ren", "رين" },       { "Sota", "سوتا" },
    { "Daiki", "دايكي" }, { "Yuto", "يوتو" },     { "Takumi", "تاكومي" }, { "Riku", "ريكو" },
};
constexpr Pair kJapaneseFamily[] = {
    { "Takeda", "تاكيدا" }, { "Morimoto", "موريموتو" }, { "Hayashi", "هاياشي" },
    { "Kondo", "كوندو" },   { "Ishikawa", "إيشيكاوا" }, { "Fujita", "فوجيتا" },
    { "Nakano", "ناكانو" }, { "Aoki", "أوكي" },
};

struct Pools
{
    std::span<const Pair> given;
    std::span<const Pair> family;
};

Pools poolsFor(NameStyle style)
{
    switch (style) {
    case NameStyle::Gulf:
        return { kGulfGiven, kGulfFamily };
    case NameStyle::Maghreb:
        return { kMaghrebGiven, kMaghrebFamily };
    case NameStyle::Latin:
        return { kLatinGiven, kLatinFamily };
    case NameStyle::Nordic:
        return { kNordicGiven, kNordicFamily };
    case NameStyle::African:
        return { kAfricanGiven, kAfricanFamily };
    case NameStyle::Japanese:
        return { kJapaneseGiven, kJapaneseFamily };
    }
    return { kGulfGiven, kGulfFamily };
}

const Pair &pick(std::span<const Pair> pool, SeededSequence &sequence)
{
    return pool[static_cast<std::size_t>(sequence.below(static_cast<int>(pool.size())))];
}

} // namespace

SampleName inventName(NameStyle style, SeededSequence &sequence)
{
    const int shape = sequence.below(8);
    if (style == NameStyle::Latin && shape == 0) {
        const Pair &nickname = pick(kLatinNicknames, sequence);
        return { nickname.en, nickname.ar };
    }
    const Pools pools = poolsFor(style);
    const Pair &given = pick(pools.given, sequence);
    const Pair &family = pick(pools.family, sequence);
    if ((style == NameStyle::Gulf || style == NameStyle::Maghreb) && shape == 1) {
        const Pair &father = pick(pools.given, sequence);
        return { std::string(given.en) + ' ' + father.en + ' ' + family.en,
                 std::string(given.ar) + ' ' + father.ar + ' ' + family.ar };
    }
    return { std::string(given.en) + ' ' + family.en, std::string(given.ar) + ' ' + family.ar };
}

} // namespace lanterncrest
