#include "ChromeContext.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>

namespace {

constexpr char CarriedContext[] = "chromeContext";

ChromeContext* carriedBy(const QObject* carrier) {
    return carrier->property(CarriedContext).value<QPointer<ChromeContext>>();
}

} // namespace

void ChromeContext::attachTo(QObject* carrier) {
    carrier->setProperty(CarriedContext, QVariant::fromValue(QPointer<ChromeContext>(this)));
}

ChromeContext* ChromeContext::of(const QObject* object) {
    for (; object; object = object->parent())
        if (ChromeContext* context = carriedBy(object))
            return context;
    const QCoreApplication* application = QCoreApplication::instance();
    return application ? carriedBy(application) : nullptr;
}

void ChromeContext::setAnnouncementListener(std::function<void(QAccessibleEvent&)> listener) {
    m_announcementListener = std::move(listener);
}

void ChromeContext::announce(QAccessibleEvent& event) const {
    if (m_announcementListener)
        m_announcementListener(event);
}
