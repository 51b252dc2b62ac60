#include "BackgroundJob.h"

#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>

// What the worker and the owner's thread share about one run.
struct CBackgroundJob::RunState {
    std::stop_source stop;
    std::atomic<int> nLastPercent{-1};
    QString error;  // written by the worker before it returns, read after the future has finished
};

CBackgroundJob::CBackgroundJob(QObject* pParent) : QObject(pParent) {
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &CBackgroundJob::OnJobEnded);
}

CBackgroundJob::~CBackgroundJob() {
    if (!m_pRun) return;
    m_pRun->stop.request_stop();
    m_watcher.disconnect(this);
    m_watcher.waitForFinished();
}

bool CBackgroundJob::IsRunning() const { return m_pRun != nullptr; }

void CBackgroundJob::Cancel() {
    if (m_pRun) m_pRun->stop.request_stop();
}

void CBackgroundJob::StartErased(ErasedJob job) {
    if (m_pRun) {
        // The previous run's end must not be taken for this one's: wait for it, dropping its result.
        m_pRun->stop.request_stop();
        m_watcher.disconnect(this);
        m_watcher.waitForFinished();
        connect(&m_watcher, &QFutureWatcherBase::finished, this, &CBackgroundJob::OnJobEnded);
        m_pRun.reset();
        emit finished(false);
    }
    auto pRun = std::make_shared<RunState>();
    m_pRun = pRun;

    // Progress travels as a queued call to this object (alive while the worker runs: the destructor waits
    // for it); a call for an earlier run is ignored.
    JobProgress progress = [this, pRun](double dFraction) {
        const int nPercent = static_cast<int>(std::lround(std::clamp(dFraction, 0.0, 1.0) * 100.0));
        if (pRun->nLastPercent.exchange(nPercent) == nPercent) return;
        QMetaObject::invokeMethod(
            this,
            [this, pRun, nPercent] {
                if (m_pRun == pRun && !pRun->stop.stop_requested()) emit progressChanged(nPercent);
            },
            Qt::QueuedConnection);
    };
    const std::stop_token token = pRun->stop.get_token();
    m_watcher.setFuture(
        QtConcurrent::run([job = std::move(job), token, progress, pRun]() -> std::function<void()> {
            try {
                return job(token, progress);
            } catch (const std::exception& error) {
                pRun->error = QString::fromUtf8(error.what());
            } catch (...) {
                pRun->error = QStringLiteral("The job ended with an unknown error.");
            }
            return {};
        }));
    emit started();
}

void CBackgroundJob::OnJobEnded() {
    const std::shared_ptr<RunState> pRun = std::move(m_pRun);
    if (!pRun) return;
    std::function<void()> apply = m_watcher.future().result();
    if (!pRun->error.isEmpty()) {
        emit failed(pRun->error);
        emit finished(false);
        return;
    }
    const bool bApply = apply && !pRun->stop.stop_requested();
    if (bApply) apply();
    emit finished(bApply);
}
