#pragma once

#include "ApplicationEvents.h"

#include <QAccessibleEvent>
#include <QObject>

#include <functional>

// The chrome's state that belongs to one application rather than to the whole process: the
// hint and help notices, the listener that hears the accessibility announcements, and the
// numbers the floating hosts are named by. The application owns one and attaches it to the
// windows it creates; a test makes its own.
//
// A control reaches the context of the nearest object in its ancestry that carries one, else
// the one the application object carries, so that a control outside any window (a popup menu
// without a parent) still reaches the application's.
class TChromeContext : public QObject {
    Q_OBJECT

public:
    TChromeContext() = default;

    // `carrier` and every object below it reach this context; the carrier stops reaching it
    // when the context is destroyed.
    void attachTo(QObject* carrier);
    // The context `object` reaches, or none when neither its ancestry nor the application
    // object carries one.
    static TChromeContext* of(const QObject* object);

    TApplicationEvents& events() { return m_events; }

    // Hears every announcement the chrome makes, besides Qt's platform bridge, which passes them
    // on only while an assistive technology listens; for logging and for tests. An empty
    // function stops listening.
    void setAnnouncementListener(std::function<void(QAccessibleEvent&)> listener);
    void announce(QAccessibleEvent& event) const;

    quint32 nextFloatingHostNumber() { return ++m_floatingHosts; }

private:
    TApplicationEvents m_events;
    std::function<void(QAccessibleEvent&)> m_announcementListener;
    quint32 m_floatingHosts = 0;
};
