#include "ButtonGeometry.h"

#include <algorithm>

namespace ButtonGeometry {

int arrowPartLeft(int buttonWidth, int arrowWidth) {
    return buttonWidth - arrowWidth - 2;
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
    return std::max(arrowWidth, MinDropdownArrowWidth);
}

int widthAfterComboChange(int width, int arrowWidth, bool comboOn) {
    const int change = arrowWidth + 2;
    return comboOn ? width + change : std::max(1, width - change);
}

int widthAfterArrowWidthChange(int width, int oldArrowWidth, int newArrowWidth) {
    return std::max(1, width + newArrowWidth - oldArrowWidth);
}

} // namespace ButtonGeometry
