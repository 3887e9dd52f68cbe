#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <memory>

// The outline that follows a drag or a resize: a frame of a 50 % checkerboard drawn by four
// thin overlay windows above every other window (the toolkit cannot invert the screen).
class TDragOutline {
public:
    TDragOutline();
    ~TDragOutline();

    void show(const QRect& rect, int thickness);
    void hide();

    bool isShown() const { return m_shown; }
    QRect rect() const { return m_rect; }
    int thickness() const { return m_thickness; }

private:
    std::array<std::unique_ptr<QWidget>, 4> m_strips;
    QRect m_rect;
    int m_thickness = 0;
    bool m_shown = false;
};
