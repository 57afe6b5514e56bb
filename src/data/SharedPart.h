// A part of a loaded record that a career only reads: the copies a
// character takes of a race or service share it instead of copying every
// text in it, and a loader writes it through Edit, which first parts it
// from the other copies.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

namespace orrimar {

template <class T>
class SharedPart {
  public:
    SharedPart() : value_(std::make_shared<T>()) {}

    const T& operator*() const { return *value_; }
    const T* operator->() const { return value_.get(); }
    decltype(auto) operator[](size_t i) const { return std::as_const(*value_)[i]; }

    // The part written whole, as a loader or a test sets it up.
    SharedPart& operator=(T value) {
        value_ = std::make_shared<T>(std::move(value));
        return *this;
    }

    T& Edit() {
        if (value_.use_count() > 1) value_ = std::make_shared<T>(*value_);
        return *value_;
    }

    bool operator==(const SharedPart& other) const {
        return value_ == other.value_ || *value_ == *other.value_;
    }

  private:
    std::shared_ptr<T> value_;
};

}  // namespace orrimar
