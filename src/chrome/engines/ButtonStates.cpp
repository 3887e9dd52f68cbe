#include "ButtonStates.h"

namespace ButtonStates {

TButtonState onEnter(TButtonState state) {
    return state == TButtonState::bsUp ? TButtonState::bsHot : state;
}

TButtonState onPress(TButtonState state, bool down) {
    return down ? state : TButtonState::bsDown;
}

TButtonState whileDragging(bool down, bool inside) {
    if (down)
        return TButtonState::bsExclusive;
    return inside ? TButtonState::bsDown : TButtonState::bsUp;
}

TButtonState onLeave(TButtonState state, bool down, bool grouped, bool clicking) {
    const bool fallsBack = state == TButtonState::bsHot || (state == TButtonState::bsDown && !clicking);
    if (!fallsBack)
        return state;
    return down && grouped ? TButtonState::bsExclusive : TButtonState::bsUp;
}

TButtonState onClickStart(TButtonState state) {
    return state == TButtonState::bsUp || state == TButtonState::bsHot ? TButtonState::bsDown : state;
}

TButtonState onClickEnd(TButtonState state) {
    return state == TButtonState::bsDown ? TButtonState::bsUp : state;
}

TButtonState onEnable(bool down, bool grouped) {
    return down && grouped ? TButtonState::bsExclusive : TButtonState::bsUp;
}

TButtonState forDown(bool down, bool enabled) {
    if (!enabled)
        return TButtonState::bsDisabled;
    return down ? TButtonState::bsExclusive : TButtonState::bsUp;
}

} // namespace ButtonStates
