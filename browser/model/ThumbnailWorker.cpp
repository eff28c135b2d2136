#include "browser/model/ThumbnailWorker.h"

#include "browser/model/DecodeBudget.h"
#include "browser/model/ThumbnailMaker.h"

#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace browser {

namespace {

// Every decoding thread of the process not joined yet, whichever worker started it. A thread
// is joined rather than detached while it can be: Qt tidies its own per-thread data after our
// code on that thread returns, so only a join tells that the thread touches nothing any more.
class DecodingThreads {
  public:
    // A thread nobody waited for (one stuck on a dead mount, say) must not hold up the end of
    // the process: it is let go, and the process ending ends it.
    ~DecodingThreads() {
        for (Entry& entry : running_)
            entry.thread.detach();
    }

    void launch(std::function<void()> work) {
        std::lock_guard guard(lock_);
        joinFinished();
        running_.push_back({std::thread([this, work = std::move(work)] {
            work();
            std::lock_guard done(lock_);
            // A thread let go by joinAll is no longer listed; nothing waits for it.
            for (Entry& entry : running_)
                if (entry.thread.get_id() == std::this_thread::get_id())
                    entry.done = true;
            finished_.notify_all();
        })});
    }

    // Waits at most `limit` for every thread, joins those that ended and lets the others go.
    // True when none had to be let go.
    bool joinAll(std::chrono::milliseconds limit) {
        std::unique_lock guard(lock_);
        const bool allEnded = finished_.wait_for(guard, limit, [this] {
            return std::all_of(running_.begin(), running_.end(),
                               [](const Entry& e) { return e.done; });
        });
        joinFinished();
        for (Entry& entry : running_)
            entry.thread.detach();
        running_.clear();
        return allEnded;
    }

  private:
    struct Entry {
        std::thread thread;
        bool done = false;
    };

    // Called with the lock held. A thread marked done is past its last use of the lock, so
    // joining it here waits only for its last few instructions.
    void joinFinished() {
        for (auto it = running_.begin(); it != running_.end();) {
            if (it->done) {
                it->thread.join();
                it = running_.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::mutex lock_;
    std::condition_variable finished_;
    std::list<Entry> running_;
};

// Decoding memory of every worker together; see kDecodeBudgetBytes.
DecodeBudget& decodeBudget() {
    static DecodeBudget budget(ThumbnailWorker::kDecodeBudgetBytes);
    return budget;
}

DecodingThreads& decodingThreads() {
    static DecodingThreads threads;
    return threads;
}

} // namespace

// What the decoding threads share. They keep it alive themselves; the owner only reaches it
// through its own pointer, and is never reached once it has let go (`owner` cleared).
struct ThumbnailWorker::Job {
    Job(const QStringList& files, CellMaker cellMaker)
        : paths(files), maker(std::move(cellMaker)) {}

    // Read by every decoding thread at once, so never changed after the start: a list that
    // could still detach would let two threads free the same array.
    const QStringList paths;
    const CellMaker maker;
    std::atomic<bool> stopRequested{false};
    std::atomic<int> nextToMake{0};

    std::mutex lock;
    std::condition_variable allDone;
    int running = 0;
    ThumbnailWorker* owner = nullptr; // cleared under `lock` when the owner stops listening
    // What the owner has not taken yet. Cells change hands here, under `lock`; the queued
    // call only wakes the owner and carries nothing.
    std::vector<std::pair<int, QImage>> outbox;
    bool allPublished = false;
    bool wakePending = false;

    // Called with `lock` held.
    void wakeOwner() {
        if (owner == nullptr || wakePending)
            return;
        wakePending = true;
        QMetaObject::invokeMethod(owner, "takeReady", Qt::QueuedConnection);
    }

    // Each cell leaves as soon as it is made: files are taken in list order, so the first
    // screenful still comes first, but one slow file holds back none after it.
    void publish(int index, QImage cell) {
        std::lock_guard guard(lock);
        outbox.emplace_back(index, std::move(cell));
        wakeOwner();
    }

    void run() {
        const int count = int(paths.size());
        while (!stopRequested.load()) {
            const int index = nextToMake.fetch_add(1);
            if (index >= count)
                break;
            const QString& path = paths.at(index);
            const int64_t bytes = ThumbnailMaker::decodingBytes(path);
            if (!decodeBudget().take(bytes, stopRequested))
                break;
            QImage cell = maker(path);
            decodeBudget().giveBack(bytes);
            if (stopRequested.load())
                break;
            publish(index, std::move(cell));
        }
        std::lock_guard guard(lock);
        if (--running == 0) {
            if (!stopRequested.load()) {
                allPublished = true;
                wakeOwner();
            }
            allDone.notify_all();
        }
    }
};

ThumbnailWorker::ThumbnailWorker(QObject* parent)
    : QObject(parent), maker_([](const QString& path) { return ThumbnailMaker::makeCell(path); }) {
}

void ThumbnailWorker::setCellMaker(CellMaker maker) {
    maker_ = std::move(maker);
}

ThumbnailWorker::~ThumbnailWorker() {
    stop();
}

void ThumbnailWorker::start(const QStringList& paths, int threads) {
    stop();
    auto job = std::make_shared<Job>(paths, maker_);
    job->owner = this;
    threads = std::max(1, std::min(threads, int(paths.size())));
    job->running = paths.isEmpty() ? 0 : threads;
    job_ = job;
    if (paths.isEmpty()) {
        std::lock_guard guard(job->lock);
        job->allPublished = true;
        job->wakeOwner();
        return;
    }
    for (int t = 0; t < threads; ++t)
        decodingThreads().launch([job] { job->run(); });
}

bool ThumbnailWorker::stop(int waitMs) {
    if (!job_)
        return true;
    std::shared_ptr<Job> job = std::move(job_);
    job->stopRequested = true;
    decodeBudget().wakeAll();
    std::unique_lock guard(job->lock);
    const bool ended = job->allDone.wait_for(guard, std::chrono::milliseconds(waitMs),
                                             [&] { return job->running == 0; });
    // From here on nothing of this job reaches us, whether its threads ended or not.
    job->owner = nullptr;
    return ended;
}

bool ThumbnailWorker::waitForAllThreads(std::chrono::milliseconds limit) {
    return decodingThreads().joinAll(limit);
}

int64_t ThumbnailWorker::decodingPeak() {
    return decodeBudget().peak();
}

bool ThumbnailWorker::isRunning() const {
    if (!job_)
        return false;
    std::lock_guard guard(job_->lock);
    return job_->running > 0;
}

void ThumbnailWorker::takeReady() {
    // A wake-up of a job stopped since finds a newer job or none; the newer one's cells are
    // simply taken a little early.
    if (!job_)
        return;
    std::vector<std::pair<int, QImage>> cells;
    bool finishedNow = false;
    {
        std::lock_guard guard(job_->lock);
        cells.swap(job_->outbox);
        finishedNow = std::exchange(job_->allPublished, false);
        job_->wakePending = false;
    }
    // A receiver may start another job or stop this one; the cells taken still belong to
    // the job they were made for only while it is the current one.
    const std::shared_ptr<Job> job = job_;
    for (auto& [index, cell] : cells) {
        if (job_ != job)
            return;
        emit thumbnailReady(index, cell);
    }
    if (finishedNow && job_ == job)
        emit finished();
}

} // namespace browser
