#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

class QWidget;

// The background of the tree and the list. Without a colour of its own a view follows the
// palette (the system's window colour), also when the palette or style changes later; a set
// colour stays, with the palette's text colour on it.
QPalette ViewPalette(const QPalette& inherited, const std::optional<QColor>& own);

// Gives the viewport the colours; without an own colour it inherits its parent's palette,
// so that palette changes reach it.
void ApplyViewColors(QWidget* viewport, const std::optional<QColor>& own);
