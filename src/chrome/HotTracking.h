#pragma once

#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QTimer>

#include <optional>

class TToolbarButton;

// The hot tracking shared by all toolbar buttons of the process: one hot button at a time,
// one 125 ms timer that makes it leave once the cursor is over another control, and
// application-wide listening to mouse moves and deactivation. It lives while buttons live.
class THotTracker : public QObject {
    Q_OBJECT

public:
    static constexpr int TimerInterval = 125;

    static void buttonCreated();
    static void buttonDestroyed(TToolbarButton* button);
    // The tracker; exists while at least one button exists.
    static THotTracker* instance();

    TToolbarButton* hotButton() const { return m_hot; }
    // Points the timer at a button and starts it.
    void makeHot(TToolbarButton* button);
    // Stops tracking a button if it is the hot one.
    void release(TToolbarButton* button);

    const QTimer& timer() const { return m_timer; }

    // Where the cursor was last seen over one of the application's windows; none once it has
    // left them. Kept from the application's own mouse input, which every platform delivers
    // (the platform's cursor query is not available everywhere).
    std::optional<QPoint> cursorPos() const { return m_cursor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THotTracker();
    void timerTick();
    void leaveIfOff(const QPoint& globalPos);

    QTimer m_timer;
    QPointer<TToolbarButton> m_hot;
    std::optional<QPoint> m_cursor;
};
