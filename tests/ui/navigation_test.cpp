#include <QApplication>
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

TEST(Navigation, PushLoadsTheViewInsideTheStackAndBackPopsWithTitles)
{
    NavigationController navigation(std::make_shared<TitledController>(QStringLiteral("Teams")));
    NavigationBar& bar = *navigation.navigationBar();
    EXPECT_EQ(bar.title(), QStringLiteral("Teams"));
    EXPECT_TRUE(bar.backButton()->isHidden());

    auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
    EXPECT_FALSE(squad->isViewLoaded());
    navigation.pushViewController(squad, true);
    EXPECT_EQ(squad->loads, 1);
    EXPECT_EQ(squad->loadedInside, &navigation);
    EXPECT_EQ(navigation.findChild<QStackedWidget*>()->currentWidget(), squad->viewIfLoaded());
    EXPECT_EQ(bar.title(), QStringLiteral("Squad"));
    EXPECT_TRUE(bar.backButton()->text().endsWith(QStringLiteral("Teams")));

    std::weak_ptr<ViewController> watched = squad;
    squad.reset();
    bar.backButton()->click();
    EXPECT_EQ(navigation.viewControllers().size(), 1u);
    EXPECT_EQ(bar.title(), QStringLiteral("Teams"));
    EXPECT_TRUE(bar.backButton()->isHidden());
    EXPECT_FALSE(watched.expired()); // the click is still being handled
    QApplication::processEvents();
    EXPECT_TRUE(watched.expired());
}

} // namespace
} // namespace lanterncrest::test
