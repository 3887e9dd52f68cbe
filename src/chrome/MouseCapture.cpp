#include "MouseCapture.h"

#include <QApplication>

MouseCapture::MouseCapture(QWidget* grabber, QObject* filter)
    : m_grabber(grabber), m_filter(filter) {
    if (m_grabber)
        m_grabber->grabMouse();
    qApp->installEventFilter(filter);
}

MouseCapture::~MouseCapture() {
    if (m_filter)
        qApp->removeEventFilter(m_filter);
    if (m_grabber && QWidget::mouseGrabber() == m_grabber)
        m_grabber->releaseMouse();
}
