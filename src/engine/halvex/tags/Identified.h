#pragma once

#include <QtGlobal>

#include <atomic>
#include <utility>

namespace halvex {

// A value with an identity: copies share it, renewed() gives a new one. Two wrappers are equal
// when their identities are, whatever the values, so that a value that cannot be compared (a
// closure) can still tell whether what it made before is still good.
template<class T>
class Identified {
public:
    explicit Identified(T value) : value_(std::move(value)), identity_(nextIdentity()) {}

    const T& value() const { return value_; }
    quint64 identity() const { return identity_; }

    // The same value under a new identity: whatever was made from it before is to be made again.
    Identified renewed() const
    {
        Identified copy(*this);
        copy.identity_ = nextIdentity();
        return copy;
    }

    friend bool operator==(const Identified& a, const Identified& b) { return a.identity_ == b.identity_; }

private:
    static quint64 nextIdentity()
    {
        static std::atomic<quint64> next{1};
        return next++;
    }

    T value_;
    quint64 identity_;
};

} // namespace halvex
