#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/nib.h"
#include "platform/ui/runtime_attributes.h"
#include "platform/ui/storyboard.h"
#include "tests/ui/probe_classes.h"

namespace lanterncrest::test {
namespace {

class NibLoading : public ::testing::Test {
protected:
    void SetUp() override { registerProbeClasses(); }
};

TEST_F(NibLoading, SceneLoadsLazilyWithOutletsBoundBeforeViewDidLoad)
{
    auto controller = Storyboard(QStringLiteral("TestBoard"))
                          .instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    EXPECT_FALSE(controller->isViewLoaded());
    EXPECT_TRUE(controller->events.isEmpty());

    QWidget* view = controller->view();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(controller->isViewLoaded());
    EXPECT_EQ(view->objectName(), QStringLiteral("ProbeViewController"));
    ASSERT_TRUE(controller->nameLabel);
    EXPECT_EQ(controller->nameLabel->text(), QStringLiteral("From the scene"));
    EXPECT_EQ(controller->nameLabel->parentWidget(), view);
    EXPECT_TRUE(controller->photo);

    EXPECT_EQ(controller->view(), view);
    EXPECT_EQ(controller->events, QStringList({"bind", "viewDidLoad"}));
}

TEST_F(NibLoading, EachInstantiationIsANewControllerWithItsOwnView)
{
    const Storyboard board(QStringLiteral("TestBoard"));
    auto first = board.instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    auto second = board.instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    EXPECT_NE(first, second);
    EXPECT_NE(first->view(), second->view());
    EXPECT_NE(first->nameLabel, second->nameLabel);
}

TEST_F(NibLoading, RuntimeAttributesReachTheLayerInDocumentOrder)
{
    auto controller = Storyboard(QStringLiteral("TestBoard"))
                          .instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    controller->loadViewIfNeeded();
    const LayerStyle& style = controller->photo->layerStyle();
    EXPECT_DOUBLE_EQ(style.cornerRadius, 12.5);
    EXPECT_DOUBLE_EQ(style.borderWidth, 2); // an integer in the file
    EXPECT_EQ(style.borderColor, QColor(255, 0, 0));
    EXPECT_FLOAT_EQ(style.shadowOpacity, 0.5f);
    EXPECT_EQ(style.shadowOffset, QSizeF(0, 2));
    EXPECT_DOUBLE_EQ(style.shadowRadius, 3);
    EXPECT_EQ(style.shadowColor, QColor(0xd6, 0xd6, 0xd6));
    // masksToBounds came first; the shadow colour after it turned clipping off again.
    EXPECT_FALSE(style.masksToBounds);
    EXPECT_EQ(controller->photo->contentMode(), ImageView::ContentMode::AspectFill);
    EXPECT_NE(controller->photo->graphicsEffect(), nullptr);
}

TEST_F(NibLoading, AttributesSeeTheGeometrySetBeforeThem)
{
    struct Trace {
        QByteArray name;
        int value;
        int width;
    };
    static std::vector<Trace> traces;
    traces.clear();
    for (const QByteArray name : {"traceA", "traceB", "traceC"}) {
        RuntimeAttributes::shared().registerAttribute<QWidget>(name, [name](QWidget& widget, const QVariant& v) {
            traces.push_back({name, v.toInt(), widget.width()});
            return true;
        });
    }

    std::unique_ptr<QWidget> root(Nib(QStringLiteral("AttributeOrder")).instantiate());
    ASSERT_EQ(traces.size(), 4u);
    EXPECT_EQ(traces[0].name, "traceC");
    EXPECT_NE(traces[0].width, 140);
    EXPECT_EQ(traces[1].name, "traceA");
    EXPECT_EQ(traces[1].width, 140);
    EXPECT_EQ(traces[2].name, "traceB");
    EXPECT_EQ(traces[3].value, 10); // the child's, after its parent's
    EXPECT_DOUBLE_EQ(dynamic_cast<View&>(*root).layerStyle().cornerRadius, 4);
}

TEST_F(NibLoading, DataSourceAndDelegateConnectToTheNamedOwner)
{
    auto controller = Storyboard(QStringLiteral("TestBoard"))
                          .instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    controller->loadViewIfNeeded();
    using Connections = std::vector<std::pair<QString, NibOwner*>>;
    EXPECT_EQ(controller->list->connections,
              (Connections{{"dataSource", controller.get()}, {"delegate", controller.get()}}));

    ScriptedOwner owner;
    std::unique_ptr<QWidget> root(Nib(QStringLiteral("ProbeHeader")).instantiate(&owner));
    auto* header = dynamic_cast<ProbeHeader*>(root.get());
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->tabStrip->connections,
              (Connections{{"dataSource", header}, {"delegate", &owner}}));
}

TEST_F(NibLoading, ButtonsSendTheActionsTheFileNames)
{
    auto controller = Storyboard(QStringLiteral("TestBoard"))
                          .instantiateViewController<ProbeViewController>(QStringLiteral("ProbeViewController"));
    controller->loadViewIfNeeded();
    auto* go = controller->view()->findChild<Button*>(QStringLiteral("goButton"));
    ASSERT_NE(go, nullptr);
    go->click();
    go->click();
    EXPECT_EQ(controller->events, QStringList({"bind", "viewDidLoad", "go", "go"}));

    // The header's own actions come before its owner's of the same name.
    ScriptedOwner owner;
    auto* header = Nib(QStringLiteral("ProbeHeader")).instantiate<ProbeHeader>(&owner);
    std::unique_ptr<QWidget> keep(header);
    header->findChild<Button*>(QStringLiteral("followButton"))->click();
    header->findChild<Button*>(QStringLiteral("viewPostsButton"))->click();
    EXPECT_EQ(header->events,
              QStringList({"tabStrip set", "awake with outlets", "follow", "header posts"}));
    EXPECT_TRUE(owner.events.isEmpty());
}

TEST_F(NibLoading, InstantiationParentsTheTreeWhenAsked)
{
    QWidget parent;
    ScriptedOwner owner;
    QWidget* root = Nib(QStringLiteral("ProbeHeader")).instantiate(&owner, &parent);
    EXPECT_EQ(root->parentWidget(), &parent);
}

struct FatalCase {
    const char* name;
    std::function<void()> load;
    const char* message;
};

TEST_F(NibLoading, BrokenResourcesStopTheProcessNamingTheFault)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<FatalCase> cases = {
        {"missing outlet",
         [] {
             ScriptedOwner owner([](NibBindings& b) {
                 QPointer<Label> missing;
                 LC_OUTLET(b, missing);
             });
             Nib(QStringLiteral("ProbeHeader")).instantiate(&owner);
         },
         "ProbeHeader.ui: outlet 'missing' is not connected"},
        {"outlet of another class",
         [] {
             ScriptedOwner owner([](NibBindings& b) {
                 QPointer<ImageView> nameLabel;
                 LC_OUTLET(b, nameLabel);
             });
             Nib(QStringLiteral("ProbeHeader")).instantiate(&owner);
         },
         "outlet 'nameLabel' is a lanterncrest::Label, not a lanterncrest::ImageView"},
        {"missing nib", [] { Nib(QStringLiteral("NoSuchNib")); }, "NoSuchNib.ui is missing"},
        {"missing storyboard", [] { Storyboard(QStringLiteral("NoSuchBoard")); }, "no storyboard named 'NoSuchBoard'"},
        {"missing scene",
         [] { Storyboard(QStringLiteral("TestBoard")).scene(QStringLiteral("Elsewhere")); },
         "no scene with identifier 'Elsewhere'"},
        {"unknown class", [] { Nib(QStringLiteral("UnknownClass")).instantiate(); },
         "no widget class named 'NoSuchWidget'"},
        {"unknown attribute", [] { Nib(QStringLiteral("UnknownAttribute")).instantiate(); },
         "no runtime attribute named 'cornerRadus'"},
        {"attribute on a plain Qt widget", [] { Nib(QStringLiteral("MisplacedAttribute")).instantiate(); },
         "a QLabel has no attribute 'cornerRadius'"},
        {"wrong top-level class",
         [] {
             ScriptedOwner owner([](NibBindings& b) { b.action(QStringLiteral("go"), [] {}); });
             Storyboard(QStringLiteral("TestBoard")).scene(QStringLiteral("ProbeViewController")).instantiate<ProbeHeader>(&owner);
         },
         "the top-level widget is a lanterncrest::View"},
        {"action nobody declares",
         [] {
             ScriptedOwner owner;
             Storyboard(QStringLiteral("TestBoard")).scene(QStringLiteral("ProbeViewController")).instantiate(&owner);
         },
         "'goButton' sends action 'go', which no owner declares"},
        {"owner connection without owner", [] { Nib(QStringLiteral("ProbeHeader")).instantiate(nullptr); },
         "delegate of 'tabStrip' names 'owner', which is no owner of this load"},
    };
    for (const FatalCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DEATH(c.load(), c.message);
    }
}

} // namespace
} // namespace lanterncrest::test
