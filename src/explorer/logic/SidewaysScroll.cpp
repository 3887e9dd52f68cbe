#include "SidewaysScroll.h"

int SidewaysScrollToShow(int current, int viewportWidth, int left, int right) {
    if (left < current || right - left > viewportWidth)
        return left;
    if (right > current + viewportWidth)
        return right - viewportWidth;
    return current;
}
