#pragma once

#include <QPointer>

#include "platform/ui/collection_view_cell.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_owner.h"

namespace lanterncrest {

// A cell of the profile header's tab strip. It carries no logic: its icon and title are laid
// out by the nib "TabCollectionViewCell", and no code fills them. Made in code, it has neither.
class TabCollectionViewCell : public CollectionViewCell, public NibOwner
{
    Q_OBJECT
public:
    explicit TabCollectionViewCell(QWidget *parent = nullptr);

    void bindNib(NibBindings &bindings) override;

    ImageView *tabIcon() const { return m_tabIcon; }
    Label *tabTitle() const { return m_tabTitle; }

private:
    QPointer<ImageView> m_tabIcon;
    QPointer<Label> m_tabTitle;
};

} // namespace lanterncrest
