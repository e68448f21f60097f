#pragma once

#include <chrono>
#include <exception>
#include <future>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

#include "common/core/stop_signals.h"

namespace undertext::cli {

// Runs work on a thread of its own and waits for whichever comes first: its end,
// or a stop request (see installStopSignals). For long work without stop points
// of its own (decoding a text, building a suffix index) whose result is only
// printed, so that a stop ends the program at once. When a stop comes first the
// work is left to run until the program ends: it must own everything it reads
// (captured by value or shared) and change nothing outside itself. nullopt after
// a stop; an exception the work throws comes back from here.
template <typename Work>
auto unlessStopped(Work work) -> std::optional<std::invoke_result_t<Work&>> {
    using Value = std::invoke_result_t<Work&>;
    std::promise<Value> promise;
    auto done = promise.get_future();
    std::thread([work = std::move(work), promise = std::move(promise)]() mutable {
        try {
            promise.set_value(work());
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    }).detach();
    constexpr auto kLookAgain = std::chrono::milliseconds(10);
    while (done.wait_for(kLookAgain) != std::future_status::ready) {
        if (stopRequested()) {
            return std::nullopt;
        }
    }
    return done.get();
}

}  // namespace undertext::cli
