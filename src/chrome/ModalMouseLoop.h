#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

// A modal loop that captures the mouse for one widget and hands every mouse and key event to
// a handler until the handler says it is done; other events are dispatched as usual. The loop
// also ends, without a word to the handler, when the mouse is taken away from the grabber.
class TModalMouseLoop : public QObject {
    Q_OBJECT

public:
    // The handler returns true when the loop should end.
    using Handler = std::function<bool(QEvent* event)>;

    TModalMouseLoop(QWidget* grabber, Handler handler);
    void run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_grabber;
    Handler m_handler;
    QEventLoop m_loop;
    bool m_done = false;
};
