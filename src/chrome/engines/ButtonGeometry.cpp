#include "ButtonGeometry.h"

#include <algorithm>
#include <cstdint>

namespace ButtonGeometry {

namespace {

// Widths stay between one pixel and the largest size a widget may have, whatever the input.
int clampWidth(std::int64_t width) {
    return int(std::clamp<std::int64_t>(width, 1, MaxWidth));
}

} // namespace

int arrowPartLeft(int buttonWidth, int arrowWidth) {
    return int(std::max<std::int64_t>(std::int64_t(buttonWidth) - arrowWidth - 2, -MaxWidth));
}

QRect arrowPartRect(QSize buttonSize, int arrowWidth) {
    const int left = arrowPartLeft(buttonSize.width(), arrowWidth);
    return QRect(QPoint(left, 0), QPoint(buttonSize.width() - 2 - 1, buttonSize.height() - 1));
}

QRect mainPartRect(QSize buttonSize, int arrowWidth, bool combo) {
    if (!combo)
        return QRect(QPoint(0, 0), buttonSize);
    return QRect(0, 0, arrowPartLeft(buttonSize.width(), arrowWidth), buttonSize.height());
}

bool pressOpensMenu(int x, int buttonWidth, int arrowWidth, bool hasDropdown, bool combo) {
    return hasDropdown && (!combo || x >= arrowPartLeft(buttonWidth, arrowWidth));
}

bool insideMainPart(QPoint pos, QSize buttonSize, int arrowWidth, bool combo) {
    const int right = combo ? arrowPartLeft(buttonSize.width(), arrowWidth) : buttonSize.width();
    return pos.x() >= 0 && pos.x() < right && pos.y() >= 0 && pos.y() < buttonSize.height();
}

int clampArrowWidth(int arrowWidth) {
    return std::clamp(arrowWidth, MinDropdownArrowWidth, MaxWidth);
}

int widthAfterComboChange(int width, int arrowWidth, bool comboOn) {
    const std::int64_t change = std::int64_t(arrowWidth) + 2;
    return clampWidth(comboOn ? width + change : width - change);
}

int widthAfterArrowWidthChange(int width, int oldArrowWidth, int newArrowWidth) {
    return clampWidth(std::int64_t(width) + newArrowWidth - oldArrowWidth);
}

} // namespace ButtonGeometry
