#include "RefreshScheduler.h"

#include "NoticeHold.h"

#include <algorithm>

namespace {
// How often a refresh held back by a nested event loop looks whether the loop has ended.
constexpr int kHeldRetryMilliseconds = 50;
} // namespace

int RefreshDelay(qint64 sinceLastRefresh, int settle, int minInterval) {
    if (sinceLastRefresh < 0)
        return settle;
    return static_cast<int>(std::max<qint64>(settle, minInterval - sinceLastRefresh));
}

TRefreshScheduler::TRefreshScheduler(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TRefreshScheduler::fire);
}

void TRefreshScheduler::Notice() {
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceLastRefresh.isValid() ? m_sinceLastRefresh.elapsed() : -1;
    m_timer.start(RefreshDelay(since, SettleMilliseconds, MinIntervalMilliseconds));
}

void TRefreshScheduler::Cancel() {
    m_timer.stop();
}

void TRefreshScheduler::fire() {
    if (TNoticeHold::Active()) {
        m_timer.start(kHeldRetryMilliseconds);
        return;
    }
    m_sinceLastRefresh.start();
    if (OnRefresh)
        OnRefresh();
}
