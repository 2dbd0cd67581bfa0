#include <QPointer>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib.h"
#include "platform/ui/nib_awakable.h"
#include "platform/ui/owner_connectable.h"
#include "platform/ui/storyboard.h"
#include "platform/ui/ui_class_registry.h"
#include "platform/ui/view.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest::test {
namespace {

using Connections = std::vector<std::pair<QString, NibOwner *>>;

// Records every owner connection the loader makes.
class ConnectableProbe : public View, public OwnerConnectable
{
public:
    using View::View;
    void connectToOwner(const QString &role, NibOwner *owner) override
    {
        connections.emplace_back(role, owner);
    }
    Connections connections;
};

// A header that owns its own .ui, like a cell or a table header.
class ProbeHeader : public View, public NibOwner, public NibAwakable
{
public:
    using View::View;
    void bindNib(NibBindings &bindings) override
    {
        LC_OUTLET(bindings, tabStrip);
        bindings.action(QStringLiteral("followClicked"),
                        [this] { events << QStringLiteral("follow"); });
        bindings.action(QStringLiteral("viewPostsClicked"),
                        [this] { events << QStringLiteral("header posts"); });
    }
    void awakeFromNib() override { events << (tabStrip ? "awake with outlets" : "awake without"); }
    QPointer<ConnectableProbe> tabStrip;
    QStringList events;
};

// An owner whose bindings each test writes.
struct ScriptedOwner : NibOwner
{
    void bindNib(NibBindings &bindings) override { bind(bindings); }
    std::function<void(NibBindings &)> bind = [](NibBindings &) {};
};

class ProbeViewController : public ViewController
{
public:
    void bindNib(NibBindings &bindings) override
    {
        LC_OUTLET(bindings, nameLabel);
        LC_OUTLET(bindings, photo);
        LC_OUTLET(bindings, list);
        bindings.action(QStringLiteral("go"), [this] { events << QStringLiteral("go"); });
        events << QStringLiteral("bind");
    }
    void viewDidLoad() override { events << QStringLiteral("viewDidLoad"); }

    QPointer<Label> nameLabel;
    QPointer<ImageView> photo;
    QPointer<ConnectableProbe> list;
    QStringList events;
};

class NibLoading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiClassRegistry::shared().registerClass<ConnectableProbe>(
                QStringLiteral("ConnectableProbe"));
        UiClassRegistry::shared().registerClass<ProbeHeader>(QStringLiteral("ProbeHeader"));
    }
    static std::shared_ptr<ProbeViewController> scene()
    {
        return Storyboard(QStringLiteral("TestBoard"))
                .instantiateViewController<ProbeViewController>(
                        QStringLiteral("ProbeViewController"));
    }
};

TEST_F(NibLoading, ASceneLoadsLazilyWithOutletsAttributesConnectionsAndActions)
{
    auto controller = scene();
    EXPECT_FALSE(controller->isViewLoaded());
    QWidget *view = controller->view();
    ASSERT_TRUE(controller->nameLabel);
    EXPECT_EQ(controller->nameLabel->text(), QStringLiteral("From the scene"));
    EXPECT_EQ(controller->nameLabel->parentWidget(), view);
    EXPECT_EQ(
            controller->list->connections,
            (Connections{ { "dataSource", controller.get() }, { "delegate", controller.get() } }));

    ASSERT_TRUE(controller->photo);
    const LayerStyle &style = controller->photo->layerStyle();
    EXPECT_DOUBLE_EQ(style.cornerRadius, 12.5);
    EXPECT_DOUBLE_EQ(style.borderWidth, 2); // an integer in the file
    EXPECT_EQ(style.shadowColor, QColor(0xd6, 0xd6, 0xd6));
    // masksToBounds came first; the shadow colour after it turned clipping off again.
    EXPECT_FALSE(style.masksToBounds);
    EXPECT_EQ(controller->photo->contentMode(), ImageView::ContentMode::AspectFill);

    auto *go = view->findChild<Button *>(QStringLiteral("goButton"));
    go->click();
    go->click();
    EXPECT_EQ(controller->events, QStringList({ "bind", "viewDidLoad", "go", "go" }));
}

TEST_F(NibLoading, ANibConnectsItsRootAndItsOwnerAndAwakesWithOutletsBound)
{
    ScriptedOwner owner;
    std::unique_ptr<ProbeHeader> header(
            Nib(QStringLiteral("ProbeHeader")).instantiate<ProbeHeader>(&owner));
    EXPECT_EQ(header->tabStrip->connections,
              (Connections{ { "dataSource", header.get() }, { "delegate", &owner } }));
    header->findChild<Button *>(QStringLiteral("followButton"))->click();
    header->findChild<Button *>(QStringLiteral("viewPostsButton"))->click();
    EXPECT_EQ(header->events, QStringList({ "awake with outlets", "follow", "header posts" }));
}

void loadHeaderWith(std::function<void(NibBindings &)> bind)
{
    ScriptedOwner owner;
    owner.bind = std::move(bind);
    Nib(QStringLiteral("ProbeHeader")).instantiate(&owner);
}

TEST_F(NibLoading, BrokenResourcesStopTheProcessNamingTheFault)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::pair<std::function<void()>, const char *> cases[] = {
        { [] {
             loadHeaderWith([](NibBindings &b) {
                 QPointer<Label> missing;
                 LC_OUTLET(b, missing);
             });
         },
          "ProbeHeader.ui: outlet 'missing' is not connected" },
        { [] {
             loadHeaderWith([](NibBindings &b) {
                 QPointer<ImageView> nameLabel;
                 LC_OUTLET(b, nameLabel);
             });
         },
          "outlet 'nameLabel' is a lanterncrest::Label, not a lanterncrest::ImageView" },
        { [] { Nib(QStringLiteral("NoSuchNib")); }, "NoSuchNib.ui is missing" },
        { [] { Storyboard(QStringLiteral("TestBoard")).scene(QStringLiteral("Elsewhere")); },
          "no scene with identifier 'Elsewhere'" },
        { [] { Nib(QStringLiteral("UnknownClass")).instantiate(); },
          "no widget class named 'NoSuchWidget'" },
        { [] { Nib(QStringLiteral("UnknownAttribute")).instantiate(); },
          "no runtime attribute named 'cornerRadus'" },
        { [] { Nib(QStringLiteral("MisplacedAttribute")).instantiate(); },
          "a QLabel has no attribute 'cornerRadius'" },
        { [] {
             Storyboard(QStringLiteral("TestBoard"))
                     .scene(QStringLiteral("ProbeViewController"))
                     .instantiate();
         },
          "'goButton' sends action 'go', which no owner declares" },
        { [] { Nib(QStringLiteral("ProbeHeader")).instantiate(nullptr); },
          "delegate of 'tabStrip' names 'owner', which is no owner of this load" },
    };
    for (const auto &[load, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_DEATH(load(), message);
    }
}

} // namespace
} // namespace lanterncrest::test
