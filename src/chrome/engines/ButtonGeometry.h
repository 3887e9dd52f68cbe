#pragma once

#include <QRect>
#include <QSize>

// Geometry of a drop-down combo button: a main part and, on its right, an arrow part of
// `DropdownArrowWidth` + 2 pixels, plus the width changes that keep the main part's width.
namespace ButtonGeometry {

inline constexpr int MinDropdownArrowWidth = 7;
inline constexpr int DefaultDropdownArrowWidth = 9;
// The largest width a widget may have (Qt's QWIDGETSIZE_MAX); arrow widths stop there too.
inline constexpr int MaxWidth = (1 << 24) - 1;

// The left edge of the arrow part; also the width of the main part.
int arrowPartLeft(int buttonWidth, int arrowWidth);

// The arrow part's frame: from its left edge to two pixels before the right edge, full height.
QRect arrowPartRect(QSize buttonSize, int arrowWidth);

// The main part of a combo, or the whole button otherwise.
QRect mainPartRect(QSize buttonSize, int arrowWidth, bool combo);

// Whether a left press at x opens the menu rather than pressing the main part.
bool pressOpensMenu(int x, int buttonWidth, int arrowWidth, bool hasDropdown, bool combo);

// Whether a point lies in the main part (the part that clicks when released on).
bool insideMainPart(QPoint pos, QSize buttonSize, int arrowWidth, bool combo);

int clampArrowWidth(int arrowWidth);

// The width after `DropdownCombo` is switched on or off; never below one pixel.
int widthAfterComboChange(int width, int arrowWidth, bool comboOn);

// The width after `DropdownArrowWidth` changes on a combo, so that the main part keeps its width.
int widthAfterArrowWidthChange(int width, int oldArrowWidth, int newArrowWidth);

} // namespace ButtonGeometry
