#pragma once

#include <QPointer>
#include <QWidget>

// The mouse held by one widget for the life of a modal loop, with an application-wide filter
// watching the loop's input. Both go when the loop's scope ends, by whichever way it ends.
class TMouseCapture {
public:
    TMouseCapture(QWidget* grabber, QObject* filter);
    ~TMouseCapture();
    TMouseCapture(const TMouseCapture&) = delete;
    TMouseCapture& operator=(const TMouseCapture&) = delete;

private:
    QPointer<QWidget> m_grabber;
    QPointer<QObject> m_filter;
};
