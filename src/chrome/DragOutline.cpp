#include "DragOutline.h"

#include <QPainter>

namespace {

class OutlineStrip : public QWidget {
public:
    OutlineStrip()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::X11BypassWindowManagerHint |
                               Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setObjectName(QStringLiteral("DragOutlineStrip"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        // Aligned to the screen so that neighbouring strips continue the same pattern.
        painter.setBrushOrigin(-pos());
        painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
    }
};

} // namespace

TDragOutline::TDragOutline() {
    for (auto& strip : m_strips)
        strip = std::make_unique<OutlineStrip>();
}

TDragOutline::~TDragOutline() = default;

void TDragOutline::show(const QRect& rect, int thickness) {
    if (m_shown && rect == m_rect && thickness == m_thickness)
        return;
    m_rect = rect;
    m_thickness = thickness;
    m_shown = true;
    const int t = std::min({thickness, rect.width(), rect.height()});
    const std::array<QRect, 4> parts{
        QRect(rect.left(), rect.top(), rect.width(), t),
        QRect(rect.left(), rect.bottom() - t + 1, rect.width(), t),
        QRect(rect.left(), rect.top() + t, t, rect.height() - 2 * t),
        QRect(rect.right() - t + 1, rect.top() + t, t, rect.height() - 2 * t)};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty()) {
            m_strips[i]->hide();
            continue;
        }
        m_strips[i]->setGeometry(parts[i]);
        m_strips[i]->show();
        m_strips[i]->update();
    }
}

void TDragOutline::hide() {
    m_shown = false;
    m_rect = QRect();
    for (auto& strip : m_strips)
        strip->hide();
}
