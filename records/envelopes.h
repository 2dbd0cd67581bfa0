#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "platform/coding/coding.h"

namespace lanterncrest {

// The service never puts a related object straight under its key: it wraps it in an object
// whose only key is "data". An envelope with an empty `data` is present; only its payload is
// missing. Payloads are kept on the heap (Boxed), so an absent branch costs a pointer.
template<class Payload, class Tag>
struct Envelope
{
    Boxed<Payload> data;

    enum class CodingKeys { data };
    static constexpr auto codingFields() { return std::tuple{ Field{ "data", &Envelope::data } }; }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const Envelope &) const = default;
};

// An image and a portrait carry the same members; they stay two types.
template<class Tag>
struct PictureData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_caption;
    std::optional<std::string> en_caption;
    std::optional<std::string> path; // the full picture's URL
    std::optional<std::string> thumb; // the small picture's URL

    enum class CodingKeys { object, id, ar_caption, en_caption, path, thumb };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "object", &PictureData::object },
                           Field{ "id", &PictureData::id },
                           Field{ "ar_caption", &PictureData::ar_caption },
                           Field{ "en_caption", &PictureData::en_caption },
                           Field{ "path", &PictureData::path },
                           Field{ "thumb", &PictureData::thumb } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const PictureData &) const = default;
};

using ImageData = PictureData<struct ImageTag>;
using PortraitData = PictureData<struct PortraitTag>;
using Image = Envelope<ImageData, struct ImageTag>;
using Portrait = Envelope<PortraitData, struct PortraitTag>;

struct ContinentData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> icon;

    enum class CodingKeys { object, id, ar_name, en_name, icon };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "object", &ContinentData::object },
                           Field{ "id", &ContinentData::id },
                           Field{ "ar_name", &ContinentData::ar_name },
                           Field{ "en_name", &ContinentData::en_name },
                           Field{ "icon", &ContinentData::icon } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const ContinentData &) const = default;
};

using Continent = Envelope<ContinentData, struct ContinentTag>;

struct CountryData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> ar_nickname;
    std::optional<std::string> en_nickname;
    std::optional<Image> image;
    std::optional<Continent> continent;

    enum class CodingKeys {
        object,
        id,
        ar_name,
        en_name,
        ar_nickname,
        en_nickname,
        image,
        continent
    };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "object", &CountryData::object },
                           Field{ "id", &CountryData::id },
                           Field{ "ar_name", &CountryData::ar_name },
                           Field{ "en_name", &CountryData::en_name },
                           Field{ "ar_nickname", &CountryData::ar_nickname },
                           Field{ "en_nickname", &CountryData::en_nickname },
                           Field{ "image", &CountryData::image },
                           Field{ "continent", &CountryData::continent } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const CountryData &) const = default;
};

using Country = Envelope<CountryData, struct CountryTag>;

struct PositionData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;

    enum class CodingKeys { object, id, ar_name, en_name };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "object", &PositionData::object },
                           Field{ "id", &PositionData::id },
                           Field{ "ar_name", &PositionData::ar_name },
                           Field{ "en_name", &PositionData::en_name } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const PositionData &) const = default;
};

using Position = Envelope<PositionData, struct PositionTag>;

// The payload of a social-media envelope; the service spells its name this way.
struct SocailMediaData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> facebook;
    std::optional<std::string> twitter;
    std::optional<std::string> wiki;
    std::optional<std::string> wiki_en;
    std::optional<std::string> en_name;
    std::optional<std::string> wiki_fr;
    std::optional<std::string> web_site;
    std::optional<std::string> instagram;
    std::optional<std::string> youtube;
    std::optional<std::string> created_at;
    std::optional<std::string> updated_at;

    enum class CodingKeys {
        object,
        id,
        facebook,
        twitter,
        wiki,
        wiki_en,
        en_name,
        wiki_fr,
        web_site,
        instagram,
        youtube,
        created_at,
        updated_at
    };
    static constexpr auto codingFields()
    {
        using S = SocailMediaData;
        return std::tuple{ Field{ "object", &S::object },
                           Field{ "id", &S::id },
                           Field{ "facebook", &S::facebook },
                           Field{ "twitter", &S::twitter },
                           Field{ "wiki", &S::wiki },
                           Field{ "wiki_en", &S::wiki_en },
                           Field{ "en_name", &S::en_name },
                           Field{ "wiki_fr", &S::wiki_fr },
                           Field{ "web_site", &S::web_site },
                           Field{ "instagram", &S::instagram },
                           Field{ "youtube", &S::youtube },
                           Field{ "created_at", &S::created_at },
                           Field{ "updated_at", &S::updated_at } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const SocailMediaData &) const = default;
};

using SocialMedia = Envelope<SocailMediaData, struct SocialMediaTag>;

} // namespace lanterncrest
