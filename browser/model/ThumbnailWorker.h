#pragma once
#include <QImage>
#include <QObject>
#include <QStringList>
#include <memory>

namespace browser {

// Makes the thumbnails of a list of files on worker threads and hands them to the interface
// thread one by one, in list order, as soon as each is ready. A stop waits a bounded time; a
// worker still busy after it is left to finish alone and nothing it makes arrives any more.
class ThumbnailWorker : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStopWaitMs = 2000;

    explicit ThumbnailWorker(QObject* parent = nullptr);
    ~ThumbnailWorker() override;

    // Stops any running job, then starts one for these files with this many decoding threads.
    void start(const QStringList& paths, int threads = 2);
    // Asks the job to end and waits at most waitMs; true when it ended within that time.
    bool stop(int waitMs = kStopWaitMs);
    bool isRunning() const;
    // Waits for every decoding thread of every worker, however late; for the very end of the
    // program, so that no thread is still reading a picture while the process winds down.
    static void waitForAllThreads();

    struct Job;

  signals:
    // The cell for paths[index]; a null image when the file could not be read.
    void thumbnailReady(int index, const QImage& cell);
    // Every file of the job was done (not sent for a stopped job).
    void finished();

  private:
    void deliver(int generation, int index, const QImage& cell);
    void deliverFinished(int generation);

    std::shared_ptr<Job> job_;
    int generation_ = 0;
};

} // namespace browser
