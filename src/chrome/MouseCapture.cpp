#include "MouseCapture.h"

#include <QApplication>

TMouseCapture::TMouseCapture(QWidget* grabber, QObject* filter)
    : m_grabber(grabber), m_filter(filter) {
    if (m_grabber)
        m_grabber->grabMouse();
    qApp->installEventFilter(filter);
}

TMouseCapture::~TMouseCapture() {
    if (m_filter)
        qApp->removeEventFilter(m_filter);
    if (m_grabber && QWidget::mouseGrabber() == m_grabber)
        m_grabber->releaseMouse();
}
