#include "browser/model/DecodeBudget.h"

#include <algorithm>

namespace browser {

bool DecodeBudget::take(int64_t bytes, const std::atomic<bool>& stop) {
    std::unique_lock guard(lock_);
    changed_.wait(guard, [&] { return stop.load() || taken_ == 0 || taken_ + bytes <= budget_; });
    if (stop.load())
        return false;
    taken_ += bytes;
    peak_ = std::max(peak_, taken_);
    return true;
}

void DecodeBudget::giveBack(int64_t bytes) {
    {
        std::lock_guard guard(lock_);
        taken_ -= bytes;
    }
    changed_.notify_all();
}

void DecodeBudget::wakeAll() {
    // Taking the lock first means no waiter is between its test and its wait.
    { std::lock_guard guard(lock_); }
    changed_.notify_all();
}

int64_t DecodeBudget::taken() const {
    std::lock_guard guard(lock_);
    return taken_;
}

int64_t DecodeBudget::peak() const {
    std::lock_guard guard(lock_);
    return peak_;
}

} // namespace browser
