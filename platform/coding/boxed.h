#pragma once

#include <memory>
#include <optional>
#include <utility>

namespace lanterncrest {

// An optional value kept on the heap, with the value semantics of std::optional: copies are
// deep, comparison is by value. Envelopes hold their payload this way, so a record that nests
// teams, clubs and countries costs a pointer per absent branch instead of their full size.
template<class T>
class Boxed
{
public:
    Boxed() noexcept = default;
    Boxed(std::nullopt_t) noexcept { }
    Boxed(T value) : m_value(std::make_unique<T>(std::move(value))) { }
    Boxed(const Boxed &other)
        : m_value(other.m_value ? std::make_unique<T>(*other.m_value) : nullptr)
    {
    }
    Boxed(Boxed &&) noexcept = default;
    Boxed &operator=(const Boxed &other)
    {
        if (this != &other) {
            m_value = other.m_value ? std::make_unique<T>(*other.m_value) : nullptr;
        }
        return *this;
    }
    Boxed &operator=(Boxed &&) noexcept = default;
    ~Boxed() = default;

    bool has_value() const noexcept { return m_value != nullptr; }
    explicit operator bool() const noexcept { return has_value(); }

    T &operator*() noexcept { return *m_value; }
    const T &operator*() const noexcept { return *m_value; }
    T *operator->() noexcept { return m_value.get(); }
    const T *operator->() const noexcept { return m_value.get(); }

    T &value()
    {
        if (!m_value) {
            throw std::bad_optional_access();
        }
        return *m_value;
    }
    const T &value() const
    {
        if (!m_value) {
            throw std::bad_optional_access();
        }
        return *m_value;
    }

    template<class... Args>
    T &emplace(Args &&...args)
    {
        m_value = std::make_unique<T>(std::forward<Args>(args)...);
        return *m_value;
    }
    void reset() noexcept { m_value.reset(); }

    friend bool operator==(const Boxed &a, const Boxed &b)
    {
        return a.has_value() == b.has_value() && (!a.has_value() || *a == *b);
    }
    friend bool operator==(const Boxed &a, std::nullopt_t) noexcept { return !a.has_value(); }

private:
    std::unique_ptr<T> m_value;
};

} // namespace lanterncrest
