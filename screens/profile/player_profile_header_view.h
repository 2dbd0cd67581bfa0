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
                                public CollectionViewDelegateFlowLayout
{
    Q_OBJECT
public:
    explicit PlayerProfileHeaderView(QWidget *parent = nullptr);

    // Writes the outlets from playerObject() in the current language. The names and the
    // position are always written (cleared when the record lacks them); the shirt number, the
    // photo and the country image only when the record has them. Repeatable.
    void fillPlayerData();

    // The buttons' actions: tell delegate(), when there is one.
    void followClicked();
    void viewPostsClicked();

    void bindNib(NibBindings &bindings) override;
    void awakeFromNib() override;

    // The two strips: no items; cells and item sizes by strip.
    int numberOfItemsInSection(CollectionView &collectionView, int section) override;
    CollectionViewCell *cellForItemAt(CollectionView &collectionView,
                                      const IndexPath &indexPath) override;
    QSizeF sizeForItemAt(CollectionView &collectionView, const IndexPath &indexPath) override;

    // The player shown; the profile screen hands it over before calling fillPlayerData().
    const std::optional<People> &playerObject() const { return m_playerObject; }
    void setPlayerObject(std::optional<People> player) { m_playerObject = std::move(player); }

    // Hears the buttons; held weakly.
    std::weak_ptr<PlayerProfileHeaderViewDelegate> delegate() const { return m_delegate; }
    void setDelegate(std::weak_ptr<PlayerProfileHeaderViewDelegate> delegate)
    {
        m_delegate = std::move(delegate);
    }

    // The nib's views.
    View *playerBackground() const { return m_playerBackground; }
    ImageView *playerPhoto() const { return m_playerPhoto; }
    Label *shirtNoLabel() const { return m_shirtNoLabel; }
    Label *nameLabel() const { return m_nameLabel; }
    Label *lastNameLabel() const { return m_lastNameLabel; }
    Label *positionLabel() const { return m_positionLabel; }
    Label *appearanceLabel() const { return m_appearanceLabel; }
    Label *appearanceValueLabel() const { return m_appearanceValueLabel; }
    Label *goalsLabel() const { return m_goalsLabel; }
    Label *goalsValueLabel() const { return m_goalsValueLabel; }
    Label *assistsLabel() const { return m_assistsLabel; }
    Label *assistsValueLabel() const { return m_assistsValueLabel; }
    ImageView *teamIcon() const { return m_teamIcon; }
    CollectionView *tabCollectionView() const { return m_tabCollectionView; }
    CollectionView *subTabCollectionView() const { return m_subTabCollectionView; }
    View *selectionView() const { return m_selectionView; }

private:
    bool isTabStrip(const CollectionView &collectionView) const;

    QPointer<View> m_playerBackground;
    QPointer<ImageView> m_playerPhoto;
    QPointer<Label> m_shirtNoLabel;
    QPointer<Label> m_nameLabel;
    QPointer<Label> m_lastNameLabel;
    QPointer<Label> m_positionLabel;
    QPointer<Label> m_appearanceLabel;
    QPointer<Label> m_appearanceValueLabel;
    QPointer<Label> m_goalsLabel;
    QPointer<Label> m_goalsValueLabel;
    QPointer<Label> m_assistsLabel;
    QPointer<Label> m_assistsValueLabel;
    QPointer<ImageView> m_teamIcon;
    QPointer<CollectionView> m_tabCollectionView;
    QPointer<CollectionView> m_subTabCollectionView;
    QPointer<View> m_selectionView;
    std::optional<People> m_playerObject;
    std::weak_ptr<PlayerProfileHeaderViewDelegate> m_delegate;
};

} // namespace lanterncrest
