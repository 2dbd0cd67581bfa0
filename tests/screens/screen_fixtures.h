#pragma once

// Shared pieces of the screens' tests: players as records and as the service sends them,
// one-colour images, the preferred language, a host that records what it hears, and a squad
// screen in a phone-sized window talking to the process's loopback service.

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/coding/json_encoder.h"
#include "platform/foundation/user_defaults.h"
#include "platform/ui/image_view.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/nib.h"
#include "platform/ui/progress_hud.h"
#include "records/people.h"
#include "screens/profile/player_profile_header_view.h"
#include "screens/profile/player_profile_view_controller.h"
#include "screens/teams/player_list_view_controller.h"
#include "screens/teams/position_header_view.h"
#include "screens/teams/season_teams_view_controller_delegate.h"
#include "tests/support/flat_png.h"
#include "tests/support/screen_service.h"

namespace lanterncrest::test {

inline const QByteArray squadPath = "/v1/team-players-in-current-season";
inline const QByteArray teamsPath = "/v1/seasons/4jgw0ek6ajq3m5ya/teams";
inline const QColor placeholderGreen(0, 200,
                                     0); // "imageHorizontalPlaceHolderSmall" of the test bundle

inline ScriptedAnswer pngAnswer(QColor color)
{
    return ScriptedAnswer::text(200, flatPng(color, QSize(8, 8)))
            .withHeader("Content-Type", "image/png");
}

// Draws the view and saves it under the screenshot folder as NAME.png, for a person to look at.
inline QImage saved(QWidget &view, const QString &name)
{
    const QImage shot = view.grab().toImage();
    QDir().mkpath(QStringLiteral(LANTERNCREST_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LANTERNCREST_SCREENSHOT_DIR "/%1.png").arg(name));
    return shot;
}

template<class View>
std::unique_ptr<View> fromNib(const QString &name)
{
    return std::unique_ptr<View>(Nib(name).instantiate<View>());
}

// An invalid colour while the view shows no image.
inline QColor shownColor(const ImageView &view)
{
    return view.image().isNull() ? QColor() : view.image().toImage().pixelColor(0, 0);
}

struct PlayerSpec
{
    std::optional<std::string> id, enName, arName;
    std::optional<std::int64_t> number;
    std::optional<std::string> country; // English name
    std::optional<std::string> thumb; // image.data.thumb, on the squad's cards
    std::optional<std::string> positionEn, positionAr;
    std::optional<std::string> photo; // image.data.path, on the profile
    std::optional<std::string> flag; // country.data.image.data.thumb
};

inline People makePlayer(const PlayerSpec &spec)
{
    People player;
    player.id = spec.id;
    player.en_name = spec.enName;
    player.ar_name = spec.arName;
    player.national_shirt_number = spec.number;
    if (spec.country || spec.flag) {
        CountryData country;
        country.en_name = spec.country;
        if (spec.flag)
            country.image = Image{ ImageData{ .thumb = spec.flag } };
        player.country = Country{ country };
    }
    if (spec.thumb || spec.photo)
        player.image = Image{ ImageData{ .path = spec.photo, .thumb = spec.thumb } };
    if (spec.positionEn || spec.positionAr)
        player.position =
                Position{ PositionData{ .ar_name = spec.positionAr, .en_name = spec.positionEn } };
    return player;
}

// The service's answer for a squad: {"data": [...]}.
inline QByteArray squadJson(const std::vector<PlayerSpec> &specs)
{
    std::vector<People> players;
    for (const PlayerSpec &spec : specs)
        players.push_back(makePlayer(spec));
    return QByteArray::fromStdString(R"({"data":)" + JSONEncoder::encodeToString(players) + "}");
}

// The service's answer for a season's teams: {"data": [...]}.
inline QByteArray teamsJson(const std::vector<TeamData> &teams)
{
    return QByteArray::fromStdString(R"({"data":)" + JSONEncoder::encodeToString(teams) + "}");
}

using Calls = std::vector<std::pair<QString, QString>>;

// A host that writes down what the framework tells it.
struct RecordingHost : SeasonTeamsViewControllerDelegate
{
    Calls calls;
    void viewPosts(const QString &forPlayer) override
    {
        calls.emplace_back("viewPosts", forPlayer);
    }
    void fololow(const QString &playerId) override { calls.emplace_back("fololow", playerId); }
};

// Sets the preferred languages for one scope and takes them away again.
class PreferredLanguage
{
public:
    explicit PreferredLanguage(const QString &language)
    {
        UserDefaults::standard().set(UserDefaults::appleLanguagesKey, QStringList{ language });
    }
    ~PreferredLanguage() { UserDefaults::standard().removeObject(UserDefaults::appleLanguagesKey); }
};

class SquadScreenHarness
{
public:
    SquadScreenHarness() : service(screenService())
    {
        service.clearRequests();
        navigation.setRootViewController(std::make_shared<ViewController>());
        navigation.resize(375, 812);
        navigation.show();
    }
    ~SquadScreenHarness() { ProgressHUD::dismiss(); }

    // Hands the team over as a tap on it does, and pushes the screen.
    std::shared_ptr<PlayerListViewController> open(const QString &teamId,
                                                   std::optional<TeamData> team = {})
    {
        auto screen = PlayerListViewController::viewController();
        screen->setCurrentTeamId(teamId);
        screen->setCurrentTeam(std::move(team));
        navigation.pushViewController(screen, true);
        return screen;
    }
    void answer(const QByteArray &body)
    {
        service.answer(squadPath, ScriptedAnswer::json(200, body));
    }
    // Waits until the screen has asked and the loading state has ended.
    bool waitUntilLoaded()
    {
        return waitUntil(
                [&] { return service.requestCount(squadPath) >= 1 && !ProgressHUD::isVisible(); });
    }
    // Taps the item as a finger would, where the grid is scrolled to, and returns the screen
    // then on top if it is a Screen.
    template<class Screen = PlayerProfileViewController>
    std::shared_ptr<Screen> tap(CollectionView &grid, IndexPath place)
    {
        const QPointF scrolled(0, grid.verticalScrollBar()->value());
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          (grid.layoutFrames().itemFrame(place)->center() - scrolled).toPoint());
        return std::dynamic_pointer_cast<Screen>(navigation.topViewController());
    }

    LoopbackService &service;
    NavigationController navigation;
};

// The header over the squad's section, or null while it has none.
inline PositionHeaderView *sectionHeader(CollectionView &grid, int section)
{
    return dynamic_cast<PositionHeaderView *>(
            grid.supplementaryView(CollectionView::elementKindSectionHeader(), { section, 0 }));
}

inline PlayerProfileHeaderView *profileHeader(const PlayerProfileViewController &profile)
{
    return dynamic_cast<PlayerProfileHeaderView *>(
            profile.playerProfileTableView()->tableHeaderView());
}

} // namespace lanterncrest::test
