#pragma once

#include "platform/ui/collection_view_cell.h"
#include "platform/ui/collection_view_data_source.h"
#include "platform/ui/collection_view_delegate.h"
#include "platform/ui/compositional_layout.h"
#include "platform/ui/index_path.h"
#include "platform/ui/nib.h"
#include "platform/ui/owner_connectable.h"
#include "platform/ui/reuse_pool.h"
#include "platform/ui/weak_reference.h"

#include <QAbstractScrollArea>
#include <QPointF>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

namespace lanterncrest {

// A vertically scrolling grid of cells in sections, placed by a compositional layout.
//
// Only the cells and supplementary views whose frames reach into the viewport, or a small
// margin around it, exist as widgets; the others go back to their reuse pool when scrolled
// away and are handed out again by the dequeue calls. The data source and the delegate are
// held weakly: once their owner is gone the view shows nothing and reports nothing. A .ui file
// connects them to its owner with the string attributes "dataSource" and "delegate".
//
// The layout's leading edge follows the view's layout direction (the application's, unless
// set on the view or a parent): right to left, the first item sits at the top right.
//
// Like its mobile model the view works lazily: `reloadData()`, a new layout or a new data
// source take effect on the next turn of the event loop, or at once with `layoutIfNeeded()`.
class CollectionView : public QAbstractScrollArea, public OwnerConnectable
{
    Q_OBJECT

public:
    using CellFactory = std::function<CollectionViewCell *()>;
    using SupplementaryViewFactory = std::function<CollectionReusableView *()>;

    // The element kind of section headers.
    static QString elementKindSectionHeader();

    explicit CollectionView(QWidget *parent = nullptr);
    ~CollectionView() override;

    void setDataSource(WeakReference<CollectionViewDataSource> dataSource);
    void setDelegate(WeakReference<CollectionViewDelegate> delegate);
    // Stops the process when the owner lacks the role's interface: the .ui file is wrong.
    void connectToOwner(const QString &role, NibOwner *owner) override;
    std::shared_ptr<CollectionViewDataSource> dataSource() const { return m_dataSource.lock(); }
    std::shared_ptr<CollectionViewDelegate> delegate() const { return m_delegate.lock(); }

    // Without a layout the view places no cell.
    void setCollectionViewLayout(CompositionalLayout layout);
    const std::optional<CompositionalLayout> &collectionViewLayout() const { return m_layout; }

    void registerCell(const QString &reuseIdentifier, CellFactory factory);
    void registerSupplementaryView(const QString &elementKind, const QString &reuseIdentifier,
                                   SupplementaryViewFactory factory);
    // Views built from a .ui file whose top-level widget is the cell or view, its own owner.
    void registerCell(const Nib &nib, const QString &reuseIdentifier);
    void registerSupplementaryView(const Nib &nib, const QString &elementKind,
                                   const QString &reuseIdentifier);

    // For the data source, while it answers for `indexPath`: an idle view of the identifier or
    // a new one from its factory. Null (with a warning) when the identifier is not registered.
    CollectionViewCell *dequeueReusableCell(const QString &reuseIdentifier,
                                            const IndexPath &indexPath);
    CollectionReusableView *dequeueReusableSupplementaryView(const QString &elementKind,
                                                             const QString &reuseIdentifier,
                                                             const IndexPath &indexPath);

    // Asks the data source again for everything: counts, cells and supplementary views.
    void reloadData();
    void layoutIfNeeded();

    // The counts and frames of the last layout pass.
    int numberOfSections() const { return static_cast<int>(m_itemCounts.size()); }
    int numberOfItemsInSection(int section) const;
    const LayoutFrames &layoutFrames() const { return m_frames; }

    // The cell or supplementary view that currently exists for the place, or null.
    CollectionViewCell *cellForItem(const IndexPath &indexPath) const;
    CollectionReusableView *supplementaryView(const QString &elementKind,
                                              const IndexPath &indexPath) const;
    // Items whose cells reach into the viewport, in order.
    std::vector<IndexPath> indexPathsForVisibleItems() const;
    // The item under a point of the viewport.
    std::optional<IndexPath> indexPathForItemAt(const QPointF &viewportPoint) const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct SupplementaryKey
    {
        QString elementKind;
        int section = 0;
        friend bool operator<(const SupplementaryKey &a, const SupplementaryKey &b)
        {
            return a.section != b.section ? a.section < b.section : a.elementKind < b.elementKind;
        }
    };
    struct Press
    {
        QPointF position;
        int scrollValue = 0;
        std::optional<IndexPath> indexPath;
        bool dragging = false;
    };

    void setNeedsLayout();
    void reloadCounts(CollectionViewDataSource *source);
    void computeFrames();
    void updateVisibleViews(CollectionViewDataSource *source);
    void showCells(CollectionViewDataSource &source, const std::vector<IndexPath> &wanted);
    void showSupplementaryViews(CollectionViewDataSource &source,
                                const std::vector<SupplementaryFrame> &wanted);
    void placeVisibleViews();
    bool adopt(CollectionReusableView *view);
    void recycle(CollectionReusableView *view);
    void recycleAll();
    void returnUnusedDequeues(const CollectionReusableView *used);
    void measureSupplementary(const SupplementaryKey &key, CollectionReusableView &view);
    QRectF visibleArea(double margin) const;

    WeakReference<CollectionViewDataSource> m_dataSource;
    WeakReference<CollectionViewDelegate> m_delegate;
    std::optional<CompositionalLayout> m_layout;

    ReusePool m_cellPool;
    std::map<QString, ReusePool> m_supplementaryPools;
    std::vector<std::pair<CollectionReusableView *, ReusePool *>> m_pendingDequeues;

    std::vector<int> m_itemCounts;
    LayoutFrames m_frames;
    MeasuredSupplementaryHeights m_measuredHeights;
    std::map<IndexPath, CollectionViewCell *> m_cells;
    std::map<SupplementaryKey, CollectionReusableView *> m_supplementaries;
    std::unordered_set<const CollectionReusableView *> m_shown;

    std::optional<Press> m_press;
    bool m_needsReload = true;
    bool m_needsLayout = true;
    bool m_needsPlacement = true;
    bool m_inLayoutPass = false;
};

} // namespace lanterncrest
