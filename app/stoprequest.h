#pragma once
// The one way to stop a batch run between two files. The Stop button, the window's close,
// a signal handler or a test sets it; the run polls it after every file. Setting it is a
// lock-free atomic store, safe from any thread and from a signal handler.

#include <atomic>

namespace varnova {

class TStopRequest {
public:
    TStopRequest() = default;
    // Copies carry the state, not the identity: a working state may be reset by assignment.
    TStopRequest(const TStopRequest& other) noexcept : flag_(other.Requested()) {}
    TStopRequest& operator=(const TStopRequest& other) noexcept {
        flag_.store(other.Requested(), std::memory_order_relaxed);
        return *this;
    }

    void Request() noexcept { flag_.store(true, std::memory_order_relaxed); }
    void Clear() noexcept { flag_.store(false, std::memory_order_relaxed); }
    bool Requested() const noexcept { return flag_.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> flag_{false};
};

} // namespace varnova
