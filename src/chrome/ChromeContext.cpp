#include "ChromeContext.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>

namespace {

constexpr char CarriedContext[] = "chromeContext";

TChromeContext* carriedBy(const QObject* carrier) {
    return carrier->property(CarriedContext).value<QPointer<TChromeContext>>();
}

} // namespace

void TChromeContext::attachTo(QObject* carrier) {
    carrier->setProperty(CarriedContext, QVariant::fromValue(QPointer<TChromeContext>(this)));
}

TChromeContext* TChromeContext::of(const QObject* object) {
    for (; object; object = object->parent())
        if (TChromeContext* context = carriedBy(object))
            return context;
    const QCoreApplication* application = QCoreApplication::instance();
    return application ? carriedBy(application) : nullptr;
}

void TChromeContext::setAnnouncementListener(std::function<void(QAccessibleEvent&)> listener) {
    m_announcementListener = std::move(listener);
}

void TChromeContext::announce(QAccessibleEvent& event) const {
    if (m_announcementListener)
        m_announcementListener(event);
}
