#pragma once

#include <cstddef>
#include <exception>
#include <future>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

// Work on a large file or list is shared with the machine's second
// processor: one thread takes one half while this thread takes the other.

// Whether work of `size` bytes or items is worth a second thread: below
// `from`, starting one costs more than it saves.
inline bool TwoThreadsFor(std::size_t size, std::size_t from) {
    return size >= from && std::thread::hardware_concurrency() >= 2;
}

// Runs `front` on a second thread while `back` runs on this one, and returns
// both results once both are done. An exception of either reaches the
// caller, and never before the other half has finished; when both throw, the
// front's does, as it would when the halves ran one after the other.
template <class Front, class Back> auto BothHalves(Front front, Back back) {
    std::future<std::invoke_result_t<Front>> first = std::async(std::launch::async, std::move(front));
    std::optional<std::invoke_result_t<Back>> second;
    std::exception_ptr backFailed;
    try {
        second.emplace(back());
    } catch (...) {
        backFailed = std::current_exception();
    }
    auto firstResult = first.get();
    if (backFailed)
        std::rethrow_exception(backFailed);
    return std::pair{std::move(firstResult), std::move(*second)};
}
