#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>

// The system colours the chrome paints with, mapped once onto the application palette so
// that every widget of the chrome agrees. A palette change is the system-colour change:
// widgets repaint and drop their cached images when they receive QEvent::PaletteChange.
namespace SystemColors {

inline QPalette palette() {
    return QApplication::palette();
}

inline QColor btnFace() {
    return palette().color(QPalette::Button);
}
inline QColor btnHighlight() {
    return palette().color(QPalette::Light);
}
inline QColor btnShadow() {
    return palette().color(QPalette::Dark);
}
inline QColor highlight() {
    return palette().color(QPalette::Highlight);
}
inline QColor highlightText() {
    return palette().color(QPalette::HighlightedText);
}
inline QColor menu() {
    return palette().color(QPalette::Window);
}
inline QColor menuText() {
    return palette().color(QPalette::WindowText);
}
inline QColor activeCaption() {
    return palette().color(QPalette::Highlight);
}
inline QColor activeCaptionText() {
    return palette().color(QPalette::HighlightedText);
}
inline QColor inactiveCaption() {
    return palette().color(QPalette::Mid);
}
inline QColor inactiveCaptionText() {
    return palette().color(QPalette::Window);
}

} // namespace SystemColors
