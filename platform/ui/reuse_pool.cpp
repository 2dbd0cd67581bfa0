#include "platform/ui/reuse_pool.h"

#include <utility>

namespace lanterncrest {

void ReusePool::registerFactory(const QString &reuseIdentifier, Factory factory)
{
    for (CollectionReusableView *view : std::exchange(m_idle[reuseIdentifier], {}))
        view->deleteLater();
    m_factories.insert(reuseIdentifier, std::move(factory));
}

CollectionReusableView *ReusePool::take(const QString &reuseIdentifier)
{
    if (auto idle = m_idle.find(reuseIdentifier); idle != m_idle.end() && !idle->empty()) {
        CollectionReusableView *view = idle->back();
        idle->pop_back();
        return view;
    }
    const auto factory = m_factories.constFind(reuseIdentifier);
    if (factory == m_factories.constEnd() || !*factory)
        return nullptr;
    CollectionReusableView *view = (*factory)();
    if (view) {
        view->m_reuseIdentifier = reuseIdentifier;
        view->m_pool = this;
    }
    return view;
}

void ReusePool::put(CollectionReusableView *view)
{
    view->hide();
    m_idle[view->reuseIdentifier()].push_back(view);
}

std::size_t ReusePool::idleCount() const
{
    std::size_t count = 0;
    for (const auto &views : m_idle)
        count += views.size();
    return count;
}

} // namespace lanterncrest
