#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace browser {

// The memory that pictures being decoded for thumbnails may take at once, shared by every
// decoding thread: one thread a core each holding a 1 GiB picture would be more than many
// machines have. A picture larger than the whole budget is decoded alone.
class DecodeBudget {
  public:
    explicit DecodeBudget(int64_t bytes) : budget_(bytes) {}

    // Waits until `bytes` fit beside what is taken, or until nothing else is taken; false,
    // having taken nothing, once `stop` is set.
    bool take(int64_t bytes, const std::atomic<bool>& stop);
    void giveBack(int64_t bytes);
    // Wakes every waiter to look at its stop flag again.
    void wakeAll();

    int64_t taken() const;
    // The most ever taken at once, for the benchmarks.
    int64_t peak() const;

  private:
    const int64_t budget_;
    mutable std::mutex lock_;
    std::condition_variable changed_;
    int64_t taken_ = 0;
    int64_t peak_ = 0;
};

} // namespace browser
