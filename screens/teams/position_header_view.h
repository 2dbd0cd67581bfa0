#pragma once

#include "records/envelopes.h"

#include <QPointer>
#include <optional>

#include "platform/ui/collection_reusable_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib_owner.h"

namespace lanterncrest {

// The header of a squad section: the position's name in capitals. Built from the nib
// "PositionHeaderView", which is its own owner, and reused by the grid for other sections.
class PositionHeaderView : public CollectionReusableView, public NibOwner
{
    Q_OBJECT
public:
    explicit PositionHeaderView(QWidget *parent = nullptr);

    void bindNib(NibBindings &bindings) override;

    // Shows the position's name in the current language, upper-cased; no text when there is
    // no position or no name in that language. Every fill sets the text, so a reused header
    // never keeps another section's name.
    void configure(const std::optional<PositionData> &position);

    Label *positionName() const { return m_positionName; }

private:
    QPointer<Label> m_positionName;
};

} // namespace lanterncrest
