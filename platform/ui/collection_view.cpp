#include "platform/ui/collection_view.h"

#include "platform/ui/owner_reference.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace lanterncrest {

namespace {

// Passes of one layout call: a measured header may move what follows it, which may bring
// further views into the area. What is left over runs on the next turn of the event loop.
constexpr int kMaxLayoutPasses = 4;
constexpr int kWheelStep = 20;

// Frames stay in doubles however tall the content is; a coordinate handed to a widget is
// clamped to a range in which one edge less the other still fits in an int.
constexpr double kPixelLimit = INT_MAX / 2;

int pixel(double coordinate)
{
    return qRound(std::clamp(coordinate, -kPixelLimit, kPixelLimit));
}

// Rounding both edges keeps neighbouring frames gap-free on the pixel grid.
QRect pixelRect(const QRectF &frame)
{
    const int left = pixel(frame.left());
    const int top = pixel(frame.top());
    return QRect(left, top, pixel(frame.right()) - left, pixel(frame.bottom()) - top);
}

// Takes every view whose place is not among the sorted `wanted` out of `shown`.
template<typename Key, typename View, typename Recycle>
void recycleAllBut(std::map<Key, View *> &shown, const std::vector<Key> &wanted, Recycle recycle)
{
    for (auto entry = shown.begin(); entry != shown.end();) {
        if (std::binary_search(wanted.begin(), wanted.end(), entry->first)) {
            ++entry;
            continue;
        }
        recycle(entry->second);
        entry = shown.erase(entry);
    }
}

} // namespace

QString CollectionView::elementKindSectionHeader()
{
    return QStringLiteral("CollectionElementKindSectionHeader");
}

CollectionView::CollectionView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // As on a phone the scroll bar takes no width: a bar that came and went with the content's
    // height would change the width, and with it every fractional height, back and forth.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(kWheelStep);
    setNeedsLayout();
}

CollectionView::~CollectionView() = default;

void CollectionView::setDataSource(WeakReference<CollectionViewDataSource> dataSource)
{
    m_dataSource = std::move(dataSource);
    reloadData();
}

void CollectionView::setDelegate(WeakReference<CollectionViewDelegate> delegate)
{
    m_delegate = std::move(delegate);
}

void CollectionView::connectToOwner(const QString &role, NibOwner *owner)
{
    const bool isDataSource = role == u"dataSource";
    if (isDataSource ? !dynamic_cast<CollectionViewDataSource *>(owner)
                     : !dynamic_cast<CollectionViewDelegate *>(owner))
        qFatal("CollectionView '%s': the owner connected as its %s does not implement %s",
               qUtf8Printable(objectName()), qUtf8Printable(role),
               isDataSource ? "CollectionViewDataSource" : "CollectionViewDelegate");
    if (isDataSource)
        setDataSource(ownerReference<CollectionViewDataSource>(owner));
    else
        setDelegate(ownerReference<CollectionViewDelegate>(owner));
}

void CollectionView::setCollectionViewLayout(CompositionalLayout layout)
{
    m_layout = std::move(layout);
    m_measuredHeights.clear();
    m_needsLayout = true;
    setNeedsLayout();
}

void CollectionView::registerCell(const QString &reuseIdentifier, CellFactory factory)
{
    m_cellPool.registerFactory(reuseIdentifier,
                               [factory = std::move(factory)]() -> CollectionReusableView * {
                                   return factory ? factory() : nullptr;
                               });
}

void CollectionView::registerSupplementaryView(const QString &elementKind,
                                               const QString &reuseIdentifier,
                                               SupplementaryViewFactory factory)
{
    m_supplementaryPools[elementKind].registerFactory(reuseIdentifier, std::move(factory));
}

void CollectionView::registerCell(const Nib &nib, const QString &reuseIdentifier)
{
    registerCell(reuseIdentifier, [nib] { return nib.instantiate<CollectionViewCell>(); });
}

void CollectionView::registerSupplementaryView(const Nib &nib, const QString &elementKind,
                                               const QString &reuseIdentifier)
{
    registerSupplementaryView(elementKind, reuseIdentifier,
                              [nib] { return nib.instantiate<CollectionReusableView>(); });
}

CollectionViewCell *CollectionView::dequeueReusableCell(const QString &reuseIdentifier,
                                                        const IndexPath &indexPath)
{
    if (!m_cellPool.isRegistered(reuseIdentifier)) {
        qWarning("CollectionView: no cell registered as \"%s\" for item %d of section %d",
                 qUtf8Printable(reuseIdentifier), indexPath.item, indexPath.section);
        return nullptr;
    }
    CollectionReusableView *view = m_cellPool.take(reuseIdentifier);
    if (!view)
        return nullptr;
    // Owned by the viewport from here on, whether or not the data source hands it back.
    if (view->parentWidget() != viewport())
        view->setParent(viewport());
    m_pendingDequeues.push_back({ view, &m_cellPool });
    // Only the cell factory of registerCell fills this pool.
    return static_cast<CollectionViewCell *>(view);
}

CollectionReusableView *CollectionView::dequeueReusableSupplementaryView(
        const QString &elementKind, const QString &reuseIdentifier, const IndexPath &indexPath)
{
    const auto pool = m_supplementaryPools.find(elementKind);
    if (pool == m_supplementaryPools.end() || !pool->second.isRegistered(reuseIdentifier)) {
        qWarning("CollectionView: no \"%s\" view registered as \"%s\" for section %d",
                 qUtf8Printable(elementKind), qUtf8Printable(reuseIdentifier), indexPath.section);
        return nullptr;
    }
    CollectionReusableView *view = pool->second.take(reuseIdentifier);
    if (!view)
        return nullptr;
    if (view->parentWidget() != viewport())
        view->setParent(viewport());
    m_pendingDequeues.push_back({ view, &pool->second });
    return view;
}

void CollectionView::reloadData()
{
    m_needsReload = true;
    setNeedsLayout();
}

void CollectionView::setNeedsLayout()
{
    // Posted layout requests are compressed into one per turn of the event loop.
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void CollectionView::layoutIfNeeded()
{
    // A data source that reloads or scrolls while it answers only marks the view: the pass
    // already running picks the change up.
    if (m_inLayoutPass)
        return;
    const QScopedValueRollback inPass(m_inLayoutPass, true);
    for (int pass = 0;
         pass < kMaxLayoutPasses && (m_needsReload || m_needsLayout || m_needsPlacement); ++pass) {
        const std::shared_ptr<CollectionViewDataSource> source = m_dataSource.lock();
        if (std::exchange(m_needsReload, false)) {
            recycleAll();
            m_measuredHeights.clear();
            reloadCounts(source.get());
            m_needsLayout = true;
        }
        if (std::exchange(m_needsLayout, false))
            computeFrames();
        m_needsPlacement = false;
        updateVisibleViews(source.get());
    }
    if (m_needsReload || m_needsLayout || m_needsPlacement)
        setNeedsLayout();
}

int CollectionView::numberOfItemsInSection(int section) const
{
    if (section < 0 || section >= numberOfSections())
        return 0;
    return m_itemCounts[section];
}

CollectionViewCell *CollectionView::cellForItem(const IndexPath &indexPath) const
{
    const auto found = m_cells.find(indexPath);
    return found != m_cells.end() ? found->second : nullptr;
}

CollectionReusableView *CollectionView::supplementaryView(const QString &elementKind,
                                                          const IndexPath &indexPath) const
{
    const auto found = m_supplementaries.find({ elementKind, indexPath.section });
    return found != m_supplementaries.end() ? found->second : nullptr;
}

std::vector<IndexPath> CollectionView::indexPathsForVisibleItems() const
{
    std::vector<IndexPath> visible = m_frames.itemsIntersecting(visibleArea(0));
    std::erase_if(visible,
                  [this](const IndexPath &indexPath) { return !m_cells.contains(indexPath); });
    return visible;
}

std::optional<IndexPath> CollectionView::indexPathForItemAt(const QPointF &viewportPoint) const
{
    return m_frames.itemAt(viewportPoint + QPointF(0, verticalScrollBar()->value()));
}

bool CollectionView::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutIfNeeded();
    // The application's direction reaches every widget that has none of its own.
    if (event->type() == QEvent::LayoutDirectionChange) {
        m_needsLayout = true;
        setNeedsLayout();
    }
    return QAbstractScrollArea::event(event);
}

void CollectionView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_needsLayout = true;
    // Measured heights hold for one width only: the views that exist are measured again at
    // the new width, the others when they next appear.
    if (event->size().width() != event->oldSize().width()) {
        m_measuredHeights.clear();
        computeFrames();
        for (const auto &[key, view] : m_supplementaries)
            measureSupplementary(key, *view);
    }
    layoutIfNeeded();
}

void CollectionView::showEvent(QShowEvent *event)
{
    QAbstractScrollArea::showEvent(event);
    layoutIfNeeded();
}

void CollectionView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    m_needsPlacement = true;
    layoutIfNeeded();
}

void CollectionView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_press = Press{ event->position(), verticalScrollBar()->value(),
                     indexPathForItemAt(event->position()), false };
    event->accept();
}

void CollectionView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_press || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPointF moved = event->position() - m_press->position;
    if (moved.manhattanLength() >= QApplication::startDragDistance())
        m_press->dragging = true;
    // Dragging moves the content with the pointer, as a finger would.
    if (m_press->dragging) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(int(std::clamp(m_press->scrollValue - qRound64(moved.y()),
                                     qint64(bar->minimum()), qint64(bar->maximum()))));
    }
    event->accept();
}

void CollectionView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_press || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const Press press = *std::exchange(m_press, std::nullopt);
    event->accept();
    const QPointF moved = event->position() - press.position;
    if (press.dragging || moved.manhattanLength() >= QApplication::startDragDistance()
        || !press.indexPath)
        return;
    if (indexPathForItemAt(event->position()) != press.indexPath)
        return;
    // Last thing done here: the delegate may push a screen or even delete this view.
    if (const auto delegate = m_delegate.lock())
        delegate->didSelectItemAt(*this, *press.indexPath);
}

void CollectionView::reloadCounts(CollectionViewDataSource *source)
{
    m_itemCounts.clear();
    if (!source)
        return;
    const int sections = std::max(0, source->numberOfSections(*this));
    m_itemCounts.reserve(sections);
    for (int section = 0; section < sections; ++section)
        m_itemCounts.push_back(std::max(0, source->numberOfItemsInSection(*this, section)));
}

void CollectionView::computeFrames()
{
    m_frames = m_layout ? m_layout->frames(QSizeF(viewport()->size()), m_itemCounts,
                                           m_measuredHeights, layoutDirection())
                        : LayoutFrames();
    const int viewportHeight = viewport()->height();
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(viewportHeight);
    // Content taller than an int reaches scrolls as far as the int range goes.
    const double contentHeight = std::min(std::ceil(m_frames.contentHeight()), double(INT_MAX));
    bar->setRange(0, std::max(0, static_cast<int>(contentHeight) - viewportHeight));
}

QRectF CollectionView::visibleArea(double margin) const
{
    const QSize size = viewport()->size();
    return QRectF(0, verticalScrollBar()->value() - margin, size.width(),
                  size.height() + 2 * margin);
}

void CollectionView::updateVisibleViews(CollectionViewDataSource *source)
{
    if (!source) {
        recycleAll();
        return;
    }
    // A quarter of a screen above and below is made ready before it scrolls in.
    const QRectF area = visibleArea(std::max(32.0, viewport()->height() * 0.25));
    showSupplementaryViews(*source, m_frames.supplementariesIntersecting(area));
    showCells(*source, m_frames.itemsIntersecting(area));
    placeVisibleViews();
}

void CollectionView::showCells(CollectionViewDataSource &source,
                               const std::vector<IndexPath> &wanted)
{
    // Recycle first, so that the cells leaving the area are the ones dequeued for those entering.
    recycleAllBut(m_cells, wanted, [this](CollectionReusableView *view) { recycle(view); });
    for (const IndexPath &indexPath : wanted) {
        if (m_cells.contains(indexPath))
            continue;
        CollectionViewCell *cell = source.cellForItemAt(*this, indexPath);
        returnUnusedDequeues(cell);
        if (adopt(cell))
            m_cells.emplace(indexPath, cell);
    }
}

void CollectionView::showSupplementaryViews(CollectionViewDataSource &source,
                                            const std::vector<SupplementaryFrame> &wanted)
{
    std::vector<SupplementaryKey> keys;
    keys.reserve(wanted.size());
    for (const auto &frame : wanted)
        keys.push_back({ frame.elementKind, frame.indexPath.section });
    std::sort(keys.begin(), keys.end());
    recycleAllBut(m_supplementaries, keys, [this](CollectionReusableView *view) { recycle(view); });
    for (const auto &frame : wanted) {
        const SupplementaryKey key{ frame.elementKind, frame.indexPath.section };
        if (m_supplementaries.contains(key))
            continue;
        CollectionReusableView *view =
                source.viewForSupplementaryElementOfKind(*this, frame.elementKind, frame.indexPath);
        returnUnusedDequeues(view);
        if (!adopt(view))
            continue;
        m_supplementaries.emplace(key, view);
        measureSupplementary(key, *view);
    }
}

void CollectionView::placeVisibleViews()
{
    const QPointF offset(0, -verticalScrollBar()->value());
    for (const auto &[indexPath, cell] : m_cells) {
        if (const auto frame = m_frames.itemFrame(indexPath)) {
            cell->setGeometry(pixelRect(frame->translated(offset)));
            cell->show();
        }
    }
    for (const auto &[key, view] : m_supplementaries) {
        if (const auto frame = m_frames.supplementaryFrame(key.elementKind, key.section)) {
            view->setGeometry(pixelRect(frame->translated(offset)));
            view->show();
        }
    }
}

// A view fills one place at a time; a data source that hands out the same view twice gets
// the second place left empty rather than one widget fought over by two places.
bool CollectionView::adopt(CollectionReusableView *view)
{
    if (!view || m_shown.contains(view))
        return false;
    if (view->parentWidget() != viewport())
        view->setParent(viewport());
    m_shown.insert(view);
    return true;
}

void CollectionView::recycle(CollectionReusableView *view)
{
    m_shown.erase(view);
    view->hide();
    ReusePool *pool = ReusePool::origin(*view);
    const bool ours = pool == &m_cellPool
            || std::any_of(m_supplementaryPools.begin(), m_supplementaryPools.end(),
                           [pool](const auto &entry) { return &entry.second == pool; });
    // A view the data source made itself, or took from another collection view, has no pool
    // here to go back to.
    if (ours)
        pool->put(view);
    else
        view->deleteLater();
}

void CollectionView::recycleAll()
{
    for (const auto &[indexPath, cell] : std::exchange(m_cells, {}))
        recycle(cell);
    for (const auto &[key, view] : std::exchange(m_supplementaries, {}))
        recycle(view);
}

void CollectionView::returnUnusedDequeues(const CollectionReusableView *used)
{
    for (const auto &[view, pool] : std::exchange(m_pendingDequeues, {})) {
        if (view != used)
            pool->put(view);
    }
}

void CollectionView::measureSupplementary(const SupplementaryKey &key, CollectionReusableView &view)
{
    if (!m_layout)
        return;
    const auto &boundaries = m_layout->section().boundarySupplementaryItems;
    const auto boundary = std::find_if(boundaries.begin(), boundaries.end(),
                                       [&](const BoundarySupplementaryItem &item) {
                                           return item.elementKind == key.elementKind;
                                       });
    const auto frame = m_frames.supplementaryFrame(key.elementKind, key.section);
    if (boundary == boundaries.end() || !boundary->layoutSize.heightDimension.isEstimated()
        || !frame)
        return;
    const int width = qRound(frame->width());
    const int height =
            view.hasHeightForWidth() ? view.heightForWidth(width) : view.sizeHint().height();
    // A view with no opinion of its height keeps the estimate.
    if (height <= 0)
        return;
    m_measuredHeights[{ key.elementKind, key.section }] = height;
    if (std::abs(height - frame->height()) >= 0.5)
        m_needsLayout = true;
}

} // namespace lanterncrest
