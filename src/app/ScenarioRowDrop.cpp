#include "ScenarioRowDrop.h"

#include <algorithm>

int DropGapAt(int y, const std::optional<TRowBand>& rowUnderPointer, int rowCount) {
    if (!rowUnderPointer)
        return rowCount;
    const TRowBand& row = *rowUnderPointer;
    const int middle = row.Top + (row.Bottom - row.Top) / 2;
    return y < middle ? row.Row : row.Row + 1;
}

std::optional<int> MovedRowTarget(int from, int gap, int rowCount) {
    if (from < 0 || from >= rowCount || gap < 0 || gap > rowCount)
        return std::nullopt;
    if (gap == from || gap == from + 1)
        return std::nullopt;
    // Moving down, the rows the entry passes close up behind it: it ends one above its gap.
    return gap < from ? gap : gap - 1;
}

int DropLineTop(int boundaryY, int viewportHeight) {
    return std::clamp(boundaryY - 1, 0, std::max(0, viewportHeight - 2));
}

int AutoscrollRows(int y, int viewportHeight, int margin) {
    // In a viewport lower than both margins together, each half scrolls its own way.
    const int zone = std::min(margin, viewportHeight / 2);
    if (y < zone)
        return -1;
    if (y >= viewportHeight - zone)
        return 1;
    return 0;
}
