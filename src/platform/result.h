#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zantor {

// What went wrong at the boundary with the outside world: errno (0 when none applies) and a
// message that names the thing that failed.
struct Error {
    int code = 0;
    std::string message;
};

// A value or an Error. Platform calls return it; the logic decides what the user sees.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

struct Ok {};
using Status = Result<Ok>;

} // namespace zantor
