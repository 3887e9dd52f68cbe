#pragma once

#include <cstddef>
#include <optional>
#include <qnamespace.h>
#include <span>

// A place in a line the keyboard can stop at: a toolbar's control, a window's pane. Separators,
// hidden and disabled places are passed over.
struct TKeyboardStop {
    bool separator = false;
    bool visible = true;
    bool enabled = true;
};

enum class TKeyboardStep { Next, Previous, First, Last };

// Where the keyboard goes from `from` (none: from outside the line): the next or previous
// usable stop, round the ends of the line, or the first or the last; none when no stop is
// usable.
std::optional<std::size_t> NextKeyboardStop(std::span<const TKeyboardStop> stops,
                                            std::optional<std::size_t> from, TKeyboardStep step);

// What a key does while the keyboard is on a toolbar.
enum class TToolbarKey {
    Stay,    // the key goes on, the keyboard stays (modifiers, the window's pane keys)
    Swallow, // nothing happens
    PassOn,  // the keyboard leaves the toolbar and the key goes where the focus is
    Next,
    Previous,
    First,
    Last,
    Press,    // the highlighted control is pressed
    OpenMenu, // the highlighted control's drop-down menu opens
    Leave,
};

// Left and Right (and Up and Down in a vertical dock) move, Home and End go to the ends, Space
// and Enter press, Alt+Down, F4 and (along a horizontal line) Down open a drop-down, Esc leaves.
TToolbarKey ToolbarKeyAction(int key, Qt::KeyboardModifiers modifiers, bool vertical);
