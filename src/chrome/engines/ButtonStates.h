#pragma once

#include "ButtonTypes.h"

// The draw-state transitions of a toolbar button, as pure functions of the current state and
// the few flags that decide them. The widget only feeds events in and repaints on change.
namespace ButtonStates {

// The mouse enters a button on which hot tracking is allowed.
TButtonState onEnter(TButtonState state);

// A left press on the button: it looks pressed unless it is latched down.
TButtonState onPress(TButtonState state, bool down);

// A move while the press is tracked: pressed inside, up outside; a latched button stays latched.
TButtonState whileDragging(bool down, bool inside);

// The mouse leaves: hot and (unless a click is running) pressed fall back to up or latched.
TButtonState onLeave(TButtonState state, bool down, bool grouped, bool clicking);

// A click starts: the button keeps looking pressed while its menu is open.
TButtonState onClickStart(TButtonState state);

// A click has ended.
TButtonState onClickEnd(TButtonState state);

// The button is enabled again after being disabled.
TButtonState onEnable(bool down, bool grouped);

// The state that `Down` set by code leads to.
TButtonState forDown(bool down, bool enabled);

} // namespace ButtonStates
