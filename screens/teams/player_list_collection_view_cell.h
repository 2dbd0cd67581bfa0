#pragma once

#include "records/people.h"

#include <QColor>
#include <QPointer>
#include <optional>

#include "platform/ui/collection_view_cell.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_owner.h"
#include "platform/ui/view.h"

namespace lanterncrest {

// A player's card in the squad grid: photo, first name, last name in capitals and shirt
// number, on the colours of the player's country. Built from the nib
// "PlayerListCollectionViewCell", which is its own owner, and reused for other players.
class PlayerListCollectionViewCell : public CollectionViewCell, public NibOwner
{
    Q_OBJECT
public:
    explicit PlayerListCollectionViewCell(QWidget *parent = nullptr);

    void bindNib(NibBindings &bindings) override;

    // Shows `player` and nothing of whoever the cell showed before: a missing photo shows the
    // placeholder, a missing name or shirt number shows no text.
    void configure(const People &player);

    // The text colour of the first name, the last name and the shirt number.
    void setLabelsTextColor(const QColor &color);

    // Sets the labels' text colour for the country (by its English name) and answers the
    // card's background colour.
    QColor containerColor(const std::optional<Country> &country);

    View *containerView() const { return m_containerView; }
    ImageView *playerPhoto() const { return m_playerPhoto; }
    Label *nameLabel() const { return m_nameLabel; }
    Label *lastNameLabel() const { return m_lastNameLabel; }
    Label *shirtNoLabel() const { return m_shirtNoLabel; }

    // The card casts the shared card shadow; the photo is clipped to a round frame.
    void setContainerView(View *view);
    void setPlayerPhoto(ImageView *view);

private:
    QPointer<View> m_containerView;
    QPointer<ImageView> m_playerPhoto;
    QPointer<Label> m_nameLabel;
    QPointer<Label> m_lastNameLabel;
    QPointer<Label> m_shirtNoLabel;
};

} // namespace lanterncrest
