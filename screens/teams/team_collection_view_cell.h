#pragma once

#include <QPointer>

#include "platform/ui/collection_view_cell.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_owner.h"
#include "platform/ui/view.h"
#include "records/team.h"

namespace lanterncrest {

// A card of the season-teams grid: a shadowed container, the team's logo with rounded corners
// and its name in capitals. Built from the nib "TeamCollectionViewCell", whose top-level widget
// is the cell itself and its own owner. The cell keeps no record: each fill writes every
// subview it shows.
class TeamCollectionViewCell : public CollectionViewCell, public NibOwner
{
    Q_OBJECT
public:
    static constexpr const char *placeholderImage = "imageHorizontalPlaceHolderSmall";

    explicit TeamCollectionViewCell(QWidget *parent = nullptr);

    // The name in the current language, upper-cased (empty when the team lacks it: the other
    // language never stands in), and the logo behind the small placeholder, which stays alone
    // when the team has no logo.
    void configure(const TeamData &team);

    View *containerView() const { return m_containerView; }
    Label *teamName() const { return m_teamName; }
    ImageView *teamIcon() const { return m_teamIcon; }

    void bindNib(NibBindings &bindings) override;

private:
    void setContainerView(View *view);
    void setTeamIcon(ImageView *view);

    QPointer<View> m_containerView;
    QPointer<Label> m_teamName;
    QPointer<ImageView> m_teamIcon;
};

} // namespace lanterncrest
