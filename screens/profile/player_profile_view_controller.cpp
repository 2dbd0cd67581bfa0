#include "screens/profile/player_profile_view_controller.h"

#include "platform/ui/nib.h"
#include "platform/ui/storyboard.h"
#include "screens/profile/player_profile_header_view.h"

namespace lanterncrest {

std::shared_ptr<PlayerProfileViewController> PlayerProfileViewController::viewController()
{
    return Storyboard(QStringLiteral("Teams"))
            .instantiateViewController<PlayerProfileViewController>(
                    QStringLiteral("PlayerProfileViewController"));
}

void PlayerProfileViewController::viewPostsClicked()
{
    viewPostsTapped();
}

void PlayerProfileViewController::followTapped()
{
    if (const auto host = m_delegate.lock())
        host->fololow(playerId());
}

void PlayerProfileViewController::viewPostsTapped()
{
    if (const auto host = m_delegate.lock())
        host->viewPosts(playerId());
}

void PlayerProfileViewController::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("playerProfileTableView"), m_playerProfileTableView);
    bindings.action(QStringLiteral("viewPostsClicked"), [this] { viewPostsClicked(); });
}

void PlayerProfileViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    setupHeaderView();
}

void PlayerProfileViewController::setupHeaderView()
{
    // The header owns its nib and declares both button actions itself, so it is loaded without
    // this controller as a second owner: the controller's outlets are not in that file.
    auto *header =
            Nib(QStringLiteral("PlayerProfileHeaderView")).instantiate<PlayerProfileHeaderView>();
    header->setPlayerObject(m_playerObject);
    header->setDelegate(
            std::static_pointer_cast<PlayerProfileViewController>(weak_from_this().lock()));
    header->fillPlayerData();
    // The table takes the header at the height the nib gives it.
    m_playerProfileTableView->setTableHeaderView(header);
}

QString PlayerProfileViewController::playerId() const
{
    return m_playerObject && m_playerObject->id ? QString::fromStdString(*m_playerObject->id)
                                                : QString();
}

} // namespace lanterncrest
