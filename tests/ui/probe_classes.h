#pragma once

// Small widget classes and owners that the test .ui files name.

#include <QPointer>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_awakable.h"
#include "platform/ui/nib_owner.h"
#include "platform/ui/owner_connectable.h"
#include "platform/ui/view.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest::test {

// Records every owner connection the loader makes.
class ConnectableProbe : public View, public OwnerConnectable {
public:
    using View::View;
    void connectToOwner(const QString& role, NibOwner* owner) override { connections.emplace_back(role, owner); }
    std::vector<std::pair<QString, NibOwner*>> connections;
};

// A header that owns its own .ui, like a cell or a table header.
class ProbeHeader : public View, public NibOwner, public NibAwakable {
public:
    using View::View;

    void bindNib(NibBindings& bindings) override
    {
        LC_OUTLET(bindings, nameLabel);
        bindings.outlet<ConnectableProbe>(QStringLiteral("tabStrip"), [this](ConnectableProbe* strip) {
            tabStrip = strip;
            events << QStringLiteral("tabStrip set");
        });
        bindings.action(QStringLiteral("followClicked"), [this] { events << QStringLiteral("follow"); });
        bindings.action(QStringLiteral("viewPostsClicked"), [this] { events << QStringLiteral("header posts"); });
    }

    void awakeFromNib() override
    {
        events << (nameLabel ? QStringLiteral("awake with outlets") : QStringLiteral("awake without outlets"));
    }

    QPointer<Label> nameLabel;
    QPointer<ConnectableProbe> tabStrip;
    QStringList events;
};

// An owner whose bindings each test writes; it also declares "viewPostsClicked".
class ScriptedOwner : public NibOwner {
public:
    explicit ScriptedOwner(std::function<void(NibBindings&)> bind = {})
        : bind_(std::move(bind))
    {
    }
    void bindNib(NibBindings& bindings) override
    {
        bindings.action(QStringLiteral("viewPostsClicked"), [this] { events << QStringLiteral("owner posts"); });
        if (bind_)
            bind_(bindings);
    }
    QStringList events;

private:
    std::function<void(NibBindings&)> bind_;
};

// The controller of the test storyboard's scene.
class ProbeViewController : public ViewController {
public:
    void bindNib(NibBindings& bindings) override
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

void registerProbeClasses();

} // namespace lanterncrest::test
