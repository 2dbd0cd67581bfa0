#pragma once

#include <QObject>
#include <QPointer>

#include <concepts>
#include <memory>
#include <utility>

namespace lanterncrest {

// A non-owning reference to an object that may go away first: a controller held by
// std::shared_ptr, or an object that lives and dies with a QObject (a header that is its own
// .ui's owner). lock() answers null once the object is gone, and otherwise a pointer to hold
// for the length of one call (for a shared object it also keeps the object alive that long).
template<class T>
class WeakReference
{
public:
    WeakReference() = default;

    template<class U>
    requires std::convertible_to<U *, T *> WeakReference(std::weak_ptr<U> shared)
        : m_shared(std::move(shared)) // NOLINT: converts like weak_ptr
    {
    }

    template<class U>
    requires std::convertible_to<U *, T *> WeakReference(const std::shared_ptr<U> &shared)
        : m_shared(shared) // NOLINT: converts like weak_ptr
    {
    }

    // Valid while `lifetime` exists.
    static WeakReference guardedBy(T *object, QObject *lifetime)
    {
        WeakReference reference;
        reference.m_object = object;
        reference.m_lifetime = lifetime;
        reference.m_guarded = true;
        return reference;
    }

    // For an owner that by contract outlives whoever holds the reference, and has nothing
    // else to be watched by.
    static WeakReference unguarded(T *object)
    {
        WeakReference reference;
        reference.m_object = object;
        return reference;
    }

    std::shared_ptr<T> lock() const
    {
        if (!m_object)
            return m_shared.lock();
        if (m_guarded && !m_lifetime)
            return nullptr;
        // Aliasing an empty owner: a pointer that owns nothing.
        return std::shared_ptr<T>(std::shared_ptr<void>(), m_object);
    }

private:
    std::weak_ptr<T> m_shared;
    T *m_object = nullptr;
    QPointer<QObject> m_lifetime;
    bool m_guarded = false;
};

} // namespace lanterncrest
