#pragma once

#include <QPointer>
#include <memory>
#include <optional>

#include "platform/ui/button.h"
#include "platform/ui/collection_view.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_awakable.h"
#include "platform/ui/nib_owner.h"
#include "platform/ui/view.h"
#include "records/people.h"
#include "screens/profile/player_profile_header_view_delegate.h"

namespace lanterncrest {

// The top block of the player profile screen, loaded from the nib "PlayerProfileHeaderView":
// the player's first and last name, position, shirt number, photo and country image, a follow
// and a view-posts button, and the tab and sub-tab strips (both empty for now; the sub-tab
// strip is collapsed when the nib wakes). It keeps only the record it is given.
class PlayerProfileHeaderView : public View,
                                public NibOwner,
                                public NibAwakable,
                                public CollectionViewDataSource,
                                public CollectionViewDelegateFlowLayout {
    Q_OBJECT
public:
    explicit PlayerProfileHeaderView(QWidget* parent = nullptr);

    // Writes the outlets from playerObject() in the current language. The names and the
    // position are always written (cleared when the record lacks them); the shirt number, the
    // photo and the country image only when the record has them. Repeatable.
    void fillPlayerData();

    // The buttons' actions: tell delegate(), when there is one.
    void followClicked();
    void viewPostsClicked();

    void bindNib(NibBindings& bindings) override;
    void awakeFromNib() override;

    // The two strips: no items; cells and item sizes by strip.
    int numberOfItemsInSection(CollectionView& collectionView, int section) override;
    CollectionViewCell* cellForItemAt(CollectionView& collectionView, const IndexPath& indexPath) override;
    QSizeF sizeForItemAt(CollectionView& collectionView, const IndexPath& indexPath) override;

    // The player shown; the profile screen hands it over before calling fillPlayerData().
    const std::optional<People>& playerObject() const { return playerObject_; }
    void setPlayerObject(std::optional<People> player) { playerObject_ = std::move(player); }

    // Hears the buttons; held weakly.
    std::weak_ptr<PlayerProfileHeaderViewDelegate> delegate() const { return delegate_; }
    void setDelegate(std::weak_ptr<PlayerProfileHeaderViewDelegate> delegate) { delegate_ = std::move(delegate); }

    // The nib's views.
    View* playerBackground() const { return playerBackground_; }
    ImageView* playerPhoto() const { return playerPhoto_; }
    Label* shirtNoLabel() const { return shirtNoLabel_; }
    Label* nameLabel() const { return nameLabel_; }
    Label* lastNameLabel() const { return lastNameLabel_; }
    Label* positionLabel() const { return positionLabel_; }
    Label* appearanceLabel() const { return appearanceLabel_; }
    Label* appearanceValueLabel() const { return appearanceValueLabel_; }
    Label* goalsLabel() const { return goalsLabel_; }
    Label* goalsValueLabel() const { return goalsValueLabel_; }
    Label* assistsLabel() const { return assistsLabel_; }
    Label* assistsValueLabel() const { return assistsValueLabel_; }
    ImageView* teamIcon() const { return teamIcon_; }
    CollectionView* tabCollectionView() const { return tabCollectionView_; }
    CollectionView* subTabCollectionView() const { return subTabCollectionView_; }
    View* selectionView() const { return selectionView_; }

private:
    bool isTabStrip(const CollectionView& collectionView) const;

    QPointer<View> playerBackground_;
    QPointer<ImageView> playerPhoto_;
    QPointer<Label> shirtNoLabel_;
    QPointer<Label> nameLabel_;
    QPointer<Label> lastNameLabel_;
    QPointer<Label> positionLabel_;
    QPointer<Label> appearanceLabel_;
    QPointer<Label> appearanceValueLabel_;
    QPointer<Label> goalsLabel_;
    QPointer<Label> goalsValueLabel_;
    QPointer<Label> assistsLabel_;
    QPointer<Label> assistsValueLabel_;
    QPointer<ImageView> teamIcon_;
    QPointer<CollectionView> tabCollectionView_;
    QPointer<CollectionView> subTabCollectionView_;
    QPointer<View> selectionView_;
    std::optional<People> playerObject_;
    std::weak_ptr<PlayerProfileHeaderViewDelegate> delegate_;
};

} // namespace lanterncrest
