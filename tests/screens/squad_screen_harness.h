#pragma once

// A squad screen pushed onto a navigation controller in a phone-sized window, talking to the
// shared loopback service.

#include "screens/teams/player_list_view_controller.h"

#include <QString>
#include <memory>
#include <optional>

#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "tests/support/screen_service.h"

namespace lanterncrest::test {

inline const QByteArray squadPath = "/v1/team-players-in-current-season";

class SquadScreenHarness {
public:
    SquadScreenHarness() : service(screenService())
    {
        service.clearRequests();
        navigation.setRootViewController(std::make_shared<ViewController>());
        navigation.resize(375, 812);
        navigation.show();
    }
    ~SquadScreenHarness() { ProgressHUD::dismiss(); }

    SquadScreenHarness(const SquadScreenHarness&) = delete;
    SquadScreenHarness& operator=(const SquadScreenHarness&) = delete;

    // Hands the team over as a tap on it does, and pushes the screen.
    std::shared_ptr<PlayerListViewController> open(const QString& teamId, std::optional<TeamData> team = {})
    {
        auto screen = PlayerListViewController::viewController();
        screen->setCurrentTeamId(teamId);
        screen->setCurrentTeam(std::move(team));
        navigation.pushViewController(screen, true);
        return screen;
    }

    // Waits until the screen has asked and the loading state has ended.
    bool waitUntilLoaded(int requests = 1)
    {
        return waitUntil([&] { return service.requestCount(squadPath) >= requests && !ProgressHUD::isVisible(); });
    }

    LoopbackService& service;
    NavigationController navigation;
};

} // namespace lanterncrest::test
