#pragma once

#include "platform/ui/collection_reusable_view.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

namespace lanterncrest {

// Factories and idle views by reuse identifier. A view taken from the pool is either an idle
// one or a new one from the identifier's factory; a view put back waits, hidden, for the next
// take. The pool owns nothing: its views are children of the collection view's viewport.
class ReusePool
{
public:
    using Factory = std::function<CollectionReusableView *()>;

    // A new factory replaces the old one and discards the idle views it made.
    void registerFactory(const QString &reuseIdentifier, Factory factory);
    bool isRegistered(const QString &reuseIdentifier) const
    {
        return m_factories.contains(reuseIdentifier);
    }

    // Null when nothing is registered under the identifier or the factory made nothing.
    CollectionReusableView *take(const QString &reuseIdentifier);
    void put(CollectionReusableView *view);

    // The pool that made the view, or null for a view no pool made.
    static ReusePool *origin(const CollectionReusableView &view) { return view.m_pool; }

    std::size_t idleCount() const;

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, std::vector<CollectionReusableView *>> m_idle;
};

} // namespace lanterncrest
