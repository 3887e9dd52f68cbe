#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// How long a refresh waits after a notice: long enough for the rest of a burst to arrive,
// and never sooner than minInterval after the previous refresh, so that a folder that keeps
// changing is read at a calm pace. sinceLastRefresh < 0 means there was none.
int RefreshDelay(qint64 sinceLastRefresh, int settle, int minInterval);

// Gathers the change notices of a folder into one refresh. A notice starts the wait unless
// one is already running (later notices of the burst ride along); the refresh runs when the
// wait ends, and not while a TNoticeHold is alive: then it runs once the hold is gone.
class TRefreshScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr int SettleMilliseconds = 150;
    static constexpr int MinIntervalMilliseconds = 1000;

    explicit TRefreshScheduler(QObject* parent = nullptr);

    std::function<void()> OnRefresh;

    void Notice();
    void Cancel();
    bool Pending() const { return m_timer.isActive(); }

private:
    void fire();

    QTimer m_timer;
    QElapsedTimer m_sinceLastRefresh;
};
