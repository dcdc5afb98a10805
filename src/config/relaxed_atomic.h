#pragma once

#include <atomic>

namespace zantor {

// A value that worker threads read or write while the window's thread uses it: every access is
// one relaxed atomic load or store. Copyable (a copy takes a snapshot), so records that hold it
// stay plain values.
template <class T> class RelaxedAtomic {
public:
    constexpr RelaxedAtomic(T value = T{}) noexcept : value_(value) {}
    RelaxedAtomic(const RelaxedAtomic& other) noexcept : value_(other.load()) {}
    RelaxedAtomic& operator=(const RelaxedAtomic& other) noexcept {
        store(other.load());
        return *this;
    }
    RelaxedAtomic& operator=(T value) noexcept {
        store(value);
        return *this;
    }

    T load() const noexcept { return value_.load(std::memory_order_relaxed); }
    void store(T value) noexcept { value_.store(value, std::memory_order_relaxed); }
    operator T() const noexcept { return load(); }

private:
    std::atomic<T> value_;
};

} // namespace zantor
