#include "ToolbarLayout.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {

struct LineCursor {
    const TToolbarLayoutInput& input;
    TToolbarLayoutResult& result;
    TToolbarMargins margins;
    bool vertical;
    bool wrapping;
    int wrapLimit;
    int thickness;
    int centring;
    int x = 0;
    int y = 0;
    int maxX = 0;
    bool breakPending = false;
    int closingSeparator = -1; // the separator that closed the previous group
    int maxBeforeSeparator = 0;

    int alongSize(const TToolbarItem& item) const {
        if (item.separator)
            return vertical ? item.sizeVert : item.sizeHorz;
        return vertical ? item.size.height() : item.size.width();
    }

    int groupTotal(std::size_t first) const {
        int total = 0;
        for (std::size_t i = first; i < input.items.size(); ++i) {
            const TToolbarItem& item = input.items[i];
            if (!item.counted)
                continue;
            if (item.separator)
                break;
            total += alongSize(item);
        }
        return total;
    }

    void startGroup(std::size_t first, bool firstGroup) {
        if (!breakPending && x + groupTotal(first) + margins.alongEnd <= wrapLimit)
            return;
        breakPending = false;
        x = margins.alongStart;
        if (!firstGroup)
            y += thickness + 6;
        if (closingSeparator >= 0) {
            QRect& rect = result.rects[closingSeparator];
            rect.setWidth(0);
            result.separatorLines.push_back({y, input.items[closingSeparator].blank});
            maxX = maxBeforeSeparator;
        }
    }

    void place(std::size_t index) {
        const TToolbarItem& item = input.items[index];
        const int along = alongSize(item);
        if (wrapping && !item.separator && x + along + margins.alongEnd > wrapLimit) {
            x = margins.alongStart;
            y += thickness;
            breakPending = true;
        }
        QRect& rect = result.rects[index];
        if (item.separator) {
            maxBeforeSeparator = maxX;
            rect = vertical ? QRect(y, x, centring, item.sizeVert)
                            : QRect(x, y, item.sizeHorz, centring);
        } else if (vertical) {
            rect = QRect(QPoint(y + (centring - item.size.width()) / 2, x), item.size);
        } else {
            rect = QRect(QPoint(x, y + (centring - item.size.height()) / 2), item.size);
        }
        x += along;
        maxX = std::max(maxX, x);
    }
};

int widestControl(const std::vector<TToolbarItem>& items) {
    int widest = 0;
    for (const TToolbarItem& item : items)
        if (item.counted && !item.separator)
            widest = std::max(widest, item.size.width());
    return widest;
}

} // namespace

TToolbarMargins ToolbarMarginsFor(TToolbarPlace place) {
    if (place == TToolbarPlace::Floating)
        return {4, 4, 2, 1};
    return {};
}

int GetBarThickness(const std::vector<TToolbarItem>& items, bool vertical) {
    int thickness = 8;
    for (const TToolbarItem& item : items)
        if (item.counted && !item.separator)
            thickness = std::max(thickness, vertical ? item.size.width() : item.size.height());
    return thickness;
}

TToolbarLayoutResult ArrangeToolbarLine(const TToolbarLayoutInput& input) {
    TToolbarLayoutResult result;
    result.rects.resize(input.items.size());
    const bool vertical = input.place == TToolbarPlace::DockedVertical;
    const bool wrapping = input.place == TToolbarPlace::Floating && input.floatRightX != 0;
    const int thickness = GetBarThickness(input.items, vertical);
    LineCursor cursor{input,
                      result,
                      ToolbarMarginsFor(input.place),
                      vertical,
                      wrapping,
                      wrapping ? std::max(input.floatRightX, widestControl(input.items) + 8)
                               : INT_MAX,
                      thickness,
                      input.centringThickness > 0 ? input.centringThickness : thickness};
    cursor.x = cursor.margins.alongStart;
    cursor.y = cursor.margins.acrossStart;
    cursor.maxX = cursor.x;

    bool counted = false;
    bool atGroupStart = true;
    bool firstGroup = true;
    for (std::size_t i = 0; i < input.items.size(); ++i) {
        const TToolbarItem& item = input.items[i];
        if (!item.counted)
            continue;
        if (atGroupStart && wrapping)
            cursor.startGroup(i, firstGroup);
        atGroupStart = false;
        firstGroup = false;
        cursor.place(i);
        counted = true;
        if (item.separator) {
            cursor.closingSeparator = static_cast<int>(i);
            atGroupStart = true;
        } else {
            cursor.closingSeparator = -1;
        }
    }
    if (!counted)
        cursor.maxX = cursor.margins.alongStart + 8;

    const int along = cursor.maxX + cursor.margins.alongEnd;
    const int across = cursor.y + thickness + cursor.margins.acrossEnd;
    result.clientSize = vertical ? QSize(across, along) : QSize(along, across);
    return result;
}

std::vector<int> InitialControlOrder(const std::vector<int>& positions) {
    std::vector<int> order(positions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&positions](int a, int b) { return positions[a] < positions[b]; });
    return order;
}
