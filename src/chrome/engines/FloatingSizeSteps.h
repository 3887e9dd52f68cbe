#pragma once

#include "ToolbarLayout.h"

#include <QSize>
#include <vector>

// The sizes a floating toolbar may take while its frame is dragged: only widths that change
// the number of lines are offered.

struct TFloatingSize {
    QSize client;      // client size measured with `wrapWidth`
    int wrapWidth = 0; // FloatRightX that gives this size, 0 = unwrapped

    bool operator==(const TFloatingSize&) const = default;
};

// Client sizes, the unwrapped one first. `items` and the floating place come from the toolbar.
std::vector<TFloatingSize> FloatingSizeSteps(const std::vector<TToolbarItem>& items);

enum class TResizeSide { Left, Right, Top, Bottom };

// The state of one floating resize: the allowed window sizes, the dead band and the choice
// between growing and shrinking. Whether the outline grows or shrinks follows the way the edge
// moved since the size last changed, not the cursor's side of the size shown: a snapped size
// lies well inside or outside the cursor, and comparing the two flipped the outline between
// two sizes on every move of a steady drag.
class TFloatingResizeChooser {
public:
    // `steps` are client sizes; `chrome` is what the frame and caption add to them.
    TFloatingResizeChooser(const std::vector<TFloatingSize>& steps, QSize chrome, TResizeSide side,
                          QSize current);

    // `distance` is the cursor's distance from the fixed edge along the dragged direction.
    // Returns the window size the outline takes.
    QSize update(int distance);

    QSize currentSize() const { return m_sizes[m_current].window; }
    // FloatRightX for the size shown: 0 for the unwrapped size.
    int wrapWidth() const { return m_sizes[m_current].wrapWidth; }
    std::vector<QSize> windowSizes() const;

private:
    struct Entry {
        QSize window;
        int wrapWidth = 0;
    };

    int dimension(QSize size) const;
    int deadBand() const;

    std::vector<Entry> m_sizes; // descending along the dragged direction
    TResizeSide m_side;
    std::size_t m_current = 0;
    int m_lastDirection = 0;
    // The distance at which the size shown was taken (at first the starting size).
    int m_appliedAt = 0;
};
