#pragma once
#include <QImage>
#include <QObject>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace browser {

// Makes the thumbnails of a list of files on worker threads, taking the files in list order,
// and hands each cell to the interface thread as soon as it is ready. A stop waits a bounded
// time; a worker still busy after it is left to finish alone and nothing it makes arrives any
// more.
class ThumbnailWorker : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStopWaitMs = 2000;
    // What the pictures being decoded for thumbnails may hold at once, every worker together.
    static constexpr int64_t kDecodeBudgetBytes = int64_t(512) << 20;

    // What makes one cell from one file, on a decoding thread; it must be safe to call from
    // several threads at once.
    using CellMaker = std::function<QImage(const QString& path)>;

    explicit ThumbnailWorker(QObject* parent = nullptr);
    ~ThumbnailWorker() override;

    // Jobs started from now on make their cells with `maker` (ThumbnailMaker::makeCell without
    // a cache unless told otherwise).
    void setCellMaker(CellMaker maker);

    // Stops any running job, then starts one for these files with this many decoding threads.
    void start(const QStringList& paths, int threads = 2);
    // Asks the job to end and waits at most waitMs; true when it ended within that time.
    bool stop(int waitMs = kStopWaitMs);
    bool isRunning() const;
    // Waits at most `limit` for every decoding thread of every worker and lets go of any still
    // busy then; for the very end of the program, so that no thread is reading a picture while
    // the process winds down, yet one stuck on a dead mount does not keep it from ending. True
    // when every thread ended.
    static bool waitForAllThreads(std::chrono::milliseconds limit = std::chrono::hours(1));

    // The most decoding memory every worker together has held at once, for the benchmarks.
    static int64_t decodingPeak();

    struct Job;

  signals:
    // The cell for paths[index]; a null image when the file could not be read.
    void thumbnailReady(int index, const QImage& cell);
    // Every file of the job was done (not sent for a stopped job).
    void finished();

  private:
    // The decoding threads' wake-up call: hands on what the current job has made so far.
    Q_INVOKABLE void takeReady();

    std::shared_ptr<Job> job_;
    CellMaker maker_;
};

} // namespace browser
