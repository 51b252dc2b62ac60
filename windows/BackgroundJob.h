#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <stop_token>

// Progress a job reports from its worker thread: the fraction done, 0 to 1. Safe to call from any thread
// and as often as the job likes; the window sees at most one update per whole percent.
using JobProgress = std::function<void(double dFraction)>;

// Runs one long job at a time off the user-interface thread (QtConcurrent on the global thread pool) and
// hands its result back on the thread that owns this object:
//  - the job gets a std::stop_token, which Cancel() (or a new Start, or the destructor) requests; a job
//    should look at it now and then and return early;
//  - progress arrives as the progressChanged signal, on the owner's thread;
//  - the result is applied (apply runs on the owner's thread) only when the job ran to its end and no
//    stop was requested, so a cancelled job never shows anything half-done;
//  - an exception thrown by the job ends it without applying anything and is reported by `failed`.
class CBackgroundJob : public QObject {
    Q_OBJECT
public:
    explicit CBackgroundJob(QObject* pParent = nullptr);
    // Requests a stop and waits for a running job to return (its result is dropped), so the job never
    // outlives what it reads: jobs must honour the stop token promptly.
    ~CBackgroundJob() override;

    // Starts work(stopToken, progress) on a worker thread; apply(result) follows on this object's thread
    // when it completes uncancelled. A job still running is cancelled first (its result dropped).
    // `work` must not touch widgets; it gets copies of what it needs.
    template <typename Result>
    void Start(std::function<Result(std::stop_token, const JobProgress&)> work,
               std::function<void(Result&&)> apply) {
        StartErased([work = std::move(work), apply = std::move(apply)](
                        std::stop_token token, const JobProgress& progress) -> std::function<void()> {
            auto pResult = std::make_shared<Result>(work(token, progress));
            return [apply, pResult] { apply(std::move(*pResult)); };
        });
    }

    // Requests the running job to stop; its result will not be applied. Does nothing when idle.
    void Cancel();
    bool IsRunning() const;

signals:
    void started();
    // Whole percent done, 0 to 100, of the running job.
    void progressChanged(int nPercent);
    // The job has ended: bApplied is true when its result was applied, false when it was cancelled or
    // failed.
    void finished(bool bApplied);
    // The job threw; `message` is the exception's text. finished(false) follows.
    void failed(const QString& message);

private:
    // A job that returns the step to run on the owner's thread with its result.
    using ErasedJob = std::function<std::function<void()>(std::stop_token, const JobProgress&)>;
    struct RunState;

    void StartErased(ErasedJob job);
    void OnJobEnded();

    std::shared_ptr<RunState> m_pRun;  // of the job running now; nullptr when idle
    QFutureWatcher<std::function<void()>> m_watcher;
};
