#pragma once

namespace zantor::device {

// Builds a visitor for std::visit from several lambdas.
template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace zantor::device
