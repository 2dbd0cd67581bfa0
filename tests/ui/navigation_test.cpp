#include <QApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest::test {
namespace {

// Records what its viewDidLoad() saw.
class TitledController : public ViewController {
public:
    explicit TitledController(const QString& title) { setTitle(title); }

    void viewDidLoad() override
    {
        ++loads;
        loadedInside = navigationController();
    }

    int loads = 0;
    NavigationController* loadedInside = nullptr;
};

QWidget* shownPage(const NavigationController& navigation)
{
    return navigation.findChild<QStackedWidget*>()->currentWidget();
}

TEST(Navigation, PushLoadsTheViewInsideTheStackAndShowsTitles)
{
    NavigationController navigation;
    auto root = std::make_shared<TitledController>(QStringLiteral("Teams"));
    navigation.setRootViewController(root);
    EXPECT_EQ(root->loads, 1);
    EXPECT_EQ(root->loadedInside, &navigation);
    EXPECT_EQ(navigation.navigationBar()->title(), QStringLiteral("Teams"));
    EXPECT_TRUE(navigation.navigationBar()->backButton()->isHidden());

    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    EXPECT_FALSE(squad->isViewLoaded());
    EXPECT_EQ(squad->navigationController(), nullptr);
    navigation.pushViewController(squad, true);
    EXPECT_EQ(squad->loads, 1);
    EXPECT_EQ(squad->loadedInside, &navigation);
    EXPECT_EQ(shownPage(navigation), squad->viewIfLoaded());
    EXPECT_EQ(navigation.topViewController(), squad);
    EXPECT_EQ(navigation.navigationBar()->title(), QStringLiteral("Squad"));
    EXPECT_FALSE(navigation.navigationBar()->backButton()->isHidden());
    EXPECT_TRUE(navigation.navigationBar()->backButton()->text().endsWith(QStringLiteral("Teams")));

    squad->setTitle(QStringLiteral("Arsenal"));
    EXPECT_EQ(navigation.navigationBar()->title(), QStringLiteral("Arsenal"));
}

TEST(Navigation, BackPopsTheTopAndReleasesItAfterTheClick)
{
    NavigationController navigation(std::make_shared<TitledController>(QStringLiteral("Teams")));
    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    navigation.pushViewController(squad, true);
    std::weak_ptr<ViewController> watched = squad;
    QPointer<QWidget> squadView = squad->view();
    squad.reset();

    navigation.navigationBar()->backButton()->click();
    EXPECT_EQ(navigation.viewControllers().size(), 1u);
    EXPECT_EQ(navigation.navigationBar()->title(), QStringLiteral("Teams"));
    EXPECT_TRUE(navigation.navigationBar()->backButton()->isHidden());
    EXPECT_FALSE(watched.expired()); // the click is still being handled

    QApplication::processEvents();
    EXPECT_TRUE(watched.expired());
    EXPECT_TRUE(squadView.isNull());
}

TEST(Navigation, APoppedControllerHeldElsewhereKeepsItsViewOutsideTheStack)
{
    NavigationController navigation(std::make_shared<TitledController>(QStringLiteral("Teams")));
    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    navigation.pushViewController(squad, false);

    EXPECT_EQ(navigation.popViewController(true), squad);
    QApplication::processEvents();
    EXPECT_EQ(squad->navigationController(), nullptr);
    ASSERT_TRUE(squad->isViewLoaded());
    EXPECT_EQ(squad->viewIfLoaded()->parentWidget(), nullptr);
    EXPECT_EQ(squad->loads, 1);

    // Pushed again, it does not load a second time.
    navigation.pushViewController(squad, true);
    EXPECT_EQ(squad->loads, 1);
    EXPECT_EQ(shownPage(navigation), squad->viewIfLoaded());
}

TEST(Navigation, TheRootStaysAndAControllerLivesInOneStackAtATime)
{
    auto root = std::make_shared<TitledController>(QStringLiteral("Teams"));
    NavigationController navigation(root);
    EXPECT_EQ(navigation.popViewController(true), nullptr);
    EXPECT_EQ(navigation.viewControllers().size(), 1u);

    NavigationController other;
    other.pushViewController(root, false);
    EXPECT_TRUE(other.viewControllers().empty());
    EXPECT_EQ(root->navigationController(), &navigation);

    navigation.pushViewController(root, false);
    EXPECT_EQ(navigation.viewControllers().size(), 1u);
}

TEST(Navigation, SettingTheRootReplacesTheStack)
{
    NavigationController navigation(std::make_shared<TitledController>(QStringLiteral("Teams")));
    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    navigation.pushViewController(squad, false);

    auto fresh = std::make_shared<TitledController>(QStringLiteral("Fresh"));
    navigation.setRootViewController(fresh);
    ASSERT_EQ(navigation.viewControllers().size(), 1u);
    EXPECT_EQ(navigation.topViewController(), fresh);
    EXPECT_EQ(squad->navigationController(), nullptr);
    EXPECT_EQ(navigation.navigationBar()->title(), QStringLiteral("Fresh"));
}

TEST(Navigation, ControllersOutlivingTheirNavigationControllerKeepTheirViews)
{
    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    {
        NavigationController navigation(std::make_shared<TitledController>(QStringLiteral("Teams")));
        navigation.pushViewController(squad, true);
    }
    EXPECT_EQ(squad->navigationController(), nullptr);
    EXPECT_TRUE(squad->isViewLoaded());
}

} // namespace
} // namespace lanterncrest::test
