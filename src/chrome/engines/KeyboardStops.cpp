#include "KeyboardStops.h"

namespace {

bool usable(const KeyboardStop& stop) {
    return !stop.separator && stop.visible && stop.enabled;
}

} // namespace

std::optional<std::size_t> NextKeyboardStop(std::span<const KeyboardStop> stops,
                                            std::optional<std::size_t> from, KeyboardStep step) {
    const std::size_t count = stops.size();
    if (from && *from >= count)
        from.reset();
    const bool forwards = step == KeyboardStep::Next || step == KeyboardStep::First;
    // First and Last look from just outside the line; Next and Previous from the stop, or from
    // outside when there is none.
    std::size_t at = count;
    if ((step == KeyboardStep::Next || step == KeyboardStep::Previous) && from)
        at = *from;
    for (std::size_t tried = 0; tried < count; ++tried) {
        at = forwards ? (at + 1) % (count + 1) : (at + count) % (count + 1);
        if (at == count)
            at = forwards ? 0 : count - 1;
        if (usable(stops[at]))
            return at;
    }
    return std::nullopt;
}

ToolbarKey ToolbarKeyAction(int key, Qt::KeyboardModifiers modifiers, bool vertical) {
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_F6:
        return ToolbarKey::Stay;
    default:
        break;
    }
    if (held == Qt::AltModifier && key == Qt::Key_Down)
        return ToolbarKey::OpenMenu;
    if (held != Qt::NoModifier)
        return ToolbarKey::PassOn;
    switch (key) {
    case Qt::Key_Left:
        return ToolbarKey::Previous;
    case Qt::Key_Right:
        return ToolbarKey::Next;
    case Qt::Key_Up:
        return vertical ? ToolbarKey::Previous : ToolbarKey::Swallow;
    case Qt::Key_Down:
        return vertical ? ToolbarKey::Next : ToolbarKey::OpenMenu;
    case Qt::Key_Home:
        return ToolbarKey::First;
    case Qt::Key_End:
        return ToolbarKey::Last;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ToolbarKey::Press;
    case Qt::Key_F4:
        return ToolbarKey::OpenMenu;
    case Qt::Key_Escape:
        return ToolbarKey::Leave;
    default:
        return ToolbarKey::PassOn;
    }
}
