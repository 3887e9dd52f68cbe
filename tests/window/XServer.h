#pragma once

#include <QString>
#include <sys/types.h>

// A private X server (Xvfb) for one test: it picks a free display number itself and ends
// with the object.
class TXServer {
public:
    TXServer(int width, int height);
    ~TXServer();
    TXServer(const TXServer&) = delete;
    TXServer& operator=(const TXServer&) = delete;

    // The DISPLAY value, e.g. ":3".
    const QString& Display() const { return m_display; }

private:
    pid_t m_pid = -1;
    QString m_display;
};
