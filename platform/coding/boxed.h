#pragma once

#include <memory>
#include <optional>
#include <utility>

namespace lanterncrest {

// An optional value kept on the heap, with the value semantics of std::optional: copies are
// deep, comparison is by value. Envelopes hold their payload this way, so a record that nests
// teams, clubs and countries costs a pointer per absent branch instead of their full size.
template <class T>
class Boxed {
 public:
  Boxed() noexcept = default;
  Boxed(std::nullopt_t) noexcept {}
  Boxed(T value) : value_(std::make_unique<T>(std::move(value))) {}
  Boxed(const Boxed& other) : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
  Boxed(Boxed&&) noexcept = default;
  Boxed& operator=(const Boxed& other) {
    if (this != &other) {
      value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
    }
    return *this;
  }
  Boxed& operator=(Boxed&&) noexcept = default;
  ~Boxed() = default;

  bool has_value() const noexcept { return value_ != nullptr; }
  explicit operator bool() const noexcept { return has_value(); }

  T& operator*() noexcept { return *value_; }
  const T& operator*() const noexcept { return *value_; }
  T* operator->() noexcept { return value_.get(); }
  const T* operator->() const noexcept { return value_.get(); }

  T& value() {
    if (!value_) {
      throw std::bad_optional_access();
    }
    return *value_;
  }
  const T& value() const {
    if (!value_) {
      throw std::bad_optional_access();
    }
    return *value_;
  }

  template <class... Args>
  T& emplace(Args&&... args) {
    value_ = std::make_unique<T>(std::forward<Args>(args)...);
    return *value_;
  }
  void reset() noexcept { value_.reset(); }

  friend bool operator==(const Boxed& a, const Boxed& b) {
    return a.has_value() == b.has_value() && (!a.has_value() || *a == *b);
  }
  friend bool operator==(const Boxed& a, std::nullopt_t) noexcept { return !a.has_value(); }

 private:
  std::unique_ptr<T> value_;
};

}  // namespace lanterncrest
