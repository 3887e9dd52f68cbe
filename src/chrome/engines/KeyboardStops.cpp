#include "KeyboardStops.h"

namespace {

bool usable(const TKeyboardStop& stop) {
    return !stop.separator && stop.visible && stop.enabled;
}

} // namespace

std::optional<std::size_t> NextKeyboardStop(std::span<const TKeyboardStop> stops,
                                            std::optional<std::size_t> from, TKeyboardStep step) {
    const std::size_t count = stops.size();
    if (from && *from >= count)
        from.reset();
    const bool forwards = step == TKeyboardStep::Next || step == TKeyboardStep::First;
    // First and Last look from just outside the line; Next and Previous from the stop, or from
    // outside when there is none.
    std::size_t at = count;
    if ((step == TKeyboardStep::Next || step == TKeyboardStep::Previous) && from)
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

TToolbarKey ToolbarKeyAction(int key, Qt::KeyboardModifiers modifiers, bool vertical) {
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_F6:
        return TToolbarKey::Stay;
    default:
        break;
    }
    if (held == Qt::AltModifier && key == Qt::Key_Down)
        return TToolbarKey::OpenMenu;
    if (held != Qt::NoModifier)
        return TToolbarKey::PassOn;
    switch (key) {
    case Qt::Key_Left:
        return TToolbarKey::Previous;
    case Qt::Key_Right:
        return TToolbarKey::Next;
    case Qt::Key_Up:
        return vertical ? TToolbarKey::Previous : TToolbarKey::Swallow;
    case Qt::Key_Down:
        return vertical ? TToolbarKey::Next : TToolbarKey::OpenMenu;
    case Qt::Key_Home:
        return TToolbarKey::First;
    case Qt::Key_End:
        return TToolbarKey::Last;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TToolbarKey::Press;
    case Qt::Key_F4:
        return TToolbarKey::OpenMenu;
    case Qt::Key_Escape:
        return TToolbarKey::Leave;
    default:
        return TToolbarKey::PassOn;
    }
}
