#include "FloatingSizeSteps.h"

#include <algorithm>
#include <cstdlib>

namespace {

QSize measure(const std::vector<TToolbarItem>& items, int wrapWidth) {
    TToolbarLayoutInput input;
    input.items = items;
    input.place = TToolbarPlace::Floating;
    input.floatRightX = wrapWidth;
    return ArrangeToolbarLine(input).clientSize;
}

} // namespace

std::vector<TFloatingSize> FloatingSizeSteps(const std::vector<TToolbarItem>& items) {
    std::vector<TFloatingSize> sizes{{measure(items, 0), 0}};
    const int narrowest = GetBarThickness(items, false) + 8;
    int width = sizes.front().client.width() - 1;
    while (width >= narrowest) {
        const QSize size = measure(items, width);
        if (size.width() > width)
            break;
        if (size.width() < width) {
            width = size.width();
            continue;
        }
        if (sizes.size() > 1 && size.height() == sizes.back().client.height())
            sizes.pop_back();
        const bool present =
            std::any_of(sizes.begin(), sizes.end(),
                        [size](const TFloatingSize& listed) { return listed.client == size; });
        if (!present)
            sizes.push_back({size, width});
        --width;
    }
    return sizes;
}

TFloatingResizeChooser::TFloatingResizeChooser(const std::vector<TFloatingSize>& steps, QSize chrome,
                                             TResizeSide side, QSize current)
    : m_side(side), m_appliedAt(dimension(current)) {
    for (const TFloatingSize& step : steps)
        m_sizes.push_back({step.client + chrome, step.wrapWidth});
    if (m_sizes.empty())
        m_sizes.push_back({current, 0});
    std::stable_sort(m_sizes.begin(), m_sizes.end(), [this](const Entry& a, const Entry& b) {
        return dimension(a.window) > dimension(b.window);
    });
    const auto closest =
        std::min_element(m_sizes.begin(), m_sizes.end(), [&](const Entry& a, const Entry& b) {
            return std::abs(dimension(a.window) - dimension(current)) <
                   std::abs(dimension(b.window) - dimension(current));
        });
    const auto exact = std::find_if(m_sizes.begin(), m_sizes.end(),
                                    [current](const Entry& e) { return e.window == current; });
    m_current =
        static_cast<std::size_t>((exact != m_sizes.end() ? exact : closest) - m_sizes.begin());
}

int TFloatingResizeChooser::dimension(QSize size) const {
    return (m_side == TResizeSide::Left || m_side == TResizeSide::Right) ? size.width()
                                                                       : size.height();
}

int TFloatingResizeChooser::deadBand() const {
    int band = 12;
    const int current = dimension(m_sizes[m_current].window);
    if (m_current > 0)
        band = std::min(band, std::abs(dimension(m_sizes[m_current - 1].window) - current) - 1);
    if (m_current + 1 < m_sizes.size())
        band = std::min(band, std::abs(dimension(m_sizes[m_current + 1].window) - current) - 1);
    return std::max(band, 0);
}

QSize TFloatingResizeChooser::update(int distance) {
    const int current = dimension(m_sizes[m_current].window);
    const int direction = distance > m_appliedAt ? 1 : (distance < m_appliedAt ? -1 : 0);
    if (direction == 0 ||
        (direction != m_lastDirection && std::abs(distance - current) <= deadBand())) {
        m_lastDirection = 0;
        return currentSize();
    }

    std::size_t chosen = m_current;
    if (direction > 0) {
        // Sizes are descending: the smallest larger than the distance is the last such entry.
        chosen = 0;
        for (std::size_t i = 0; i < m_sizes.size(); ++i)
            if (dimension(m_sizes[i].window) > distance)
                chosen = i;
    } else {
        chosen = m_sizes.size() - 1;
        // The largest size not larger than the distance is the first such entry.
        for (std::size_t i = 0; i < m_sizes.size(); ++i)
            if (dimension(m_sizes[i].window) <= distance) {
                chosen = i;
                break;
            }
    }
    m_lastDirection = chosen != m_current ? direction : 0;
    if (chosen != m_current)
        m_appliedAt = distance;
    m_current = chosen;
    return currentSize();
}

std::vector<QSize> TFloatingResizeChooser::windowSizes() const {
    std::vector<QSize> sizes;
    for (const Entry& entry : m_sizes)
        sizes.push_back(entry.window);
    return sizes;
}
