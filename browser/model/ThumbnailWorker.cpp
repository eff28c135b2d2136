#include "browser/model/ThumbnailWorker.h"

#include "browser/model/ThumbnailMaker.h"

#include <QMetaObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace browser {

namespace {

// Every decoding thread alive in the process, whichever worker started it.
struct LiveThreads {
    std::mutex lock;
    std::condition_variable none;
    int count = 0;
};
LiveThreads& liveThreads() {
    static LiveThreads live;
    return live;
}

} // namespace

// What the decoding threads share. They keep it alive themselves; the owner only reaches it
// through its own pointer, and is never reached once it has let go (`owner` cleared).
struct ThumbnailWorker::Job {
    QStringList paths;
    int generation = 0;
    std::atomic<bool> stopRequested{false};
    std::atomic<int> nextToMake{0};

    std::mutex lock;
    std::condition_variable allDone;
    int running = 0;
    ThumbnailWorker* owner = nullptr; // cleared under `lock` when the owner stops listening
    std::map<int, QImage> made;
    int nextToPublish = 0;

    void publish(int index, QImage cell) {
        std::lock_guard guard(lock);
        made.emplace(index, std::move(cell));
        // Cells leave in list order, so the first screenful fills first and in order.
        for (auto it = made.find(nextToPublish); it != made.end(); it = made.find(nextToPublish)) {
            if (owner != nullptr) {
                ThumbnailWorker* to = owner;
                const int gen = generation;
                const int i = it->first;
                QImage image = std::move(it->second);
                QMetaObject::invokeMethod(
                    to, [to, gen, i, image] { to->deliver(gen, i, image); }, Qt::QueuedConnection);
            }
            made.erase(it);
            ++nextToPublish;
        }
    }

    void run() {
        const int count = int(paths.size());
        while (!stopRequested.load()) {
            const int index = nextToMake.fetch_add(1);
            if (index >= count)
                break;
            QImage cell = ThumbnailMaker::makeCell(paths[index]);
            if (stopRequested.load())
                break;
            publish(index, std::move(cell));
        }
        std::lock_guard guard(lock);
        if (--running == 0) {
            if (owner != nullptr && !stopRequested.load()) {
                ThumbnailWorker* to = owner;
                const int gen = generation;
                QMetaObject::invokeMethod(
                    to, [to, gen] { to->deliverFinished(gen); }, Qt::QueuedConnection);
            }
            allDone.notify_all();
        }
    }
};

ThumbnailWorker::ThumbnailWorker(QObject* parent) : QObject(parent) {
}

ThumbnailWorker::~ThumbnailWorker() {
    stop();
}

void ThumbnailWorker::start(const QStringList& paths, int threads) {
    stop();
    auto job = std::make_shared<Job>();
    job->paths = paths;
    job->generation = ++generation_;
    job->owner = this;
    threads = std::max(1, std::min(threads, int(paths.size())));
    job->running = paths.isEmpty() ? 0 : threads;
    job_ = job;
    if (paths.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, gen = generation_] { deliverFinished(gen); }, Qt::QueuedConnection);
        return;
    }
    for (int t = 0; t < threads; ++t) {
        {
            std::lock_guard guard(liveThreads().lock);
            ++liveThreads().count;
        }
        std::thread([job] {
            job->run();
            std::lock_guard guard(liveThreads().lock);
            if (--liveThreads().count == 0)
                liveThreads().none.notify_all();
        }).detach();
    }
}

bool ThumbnailWorker::stop(int waitMs) {
    if (!job_)
        return true;
    std::shared_ptr<Job> job = std::move(job_);
    job->stopRequested = true;
    std::unique_lock guard(job->lock);
    const bool ended = job->allDone.wait_for(guard, std::chrono::milliseconds(waitMs),
                                             [&] { return job->running == 0; });
    // From here on nothing of this job reaches us, whether its threads ended or not.
    job->owner = nullptr;
    return ended;
}

void ThumbnailWorker::waitForAllThreads() {
    std::unique_lock guard(liveThreads().lock);
    liveThreads().none.wait(guard, [] { return liveThreads().count == 0; });
}

bool ThumbnailWorker::isRunning() const {
    if (!job_)
        return false;
    std::lock_guard guard(job_->lock);
    return job_->running > 0;
}

void ThumbnailWorker::deliver(int generation, int index, const QImage& cell) {
    if (generation == generation_ && job_)
        emit thumbnailReady(index, cell);
}

void ThumbnailWorker::deliverFinished(int generation) {
    if (generation == generation_ && job_)
        emit finished();
}

} // namespace browser
