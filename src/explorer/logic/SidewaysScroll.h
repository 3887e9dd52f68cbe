#pragma once

// The horizontal scroll position that shows the content span [left, right) in a viewport of
// this width, moving as little as possible from current. A span wider than the viewport
// shows its start: the node's button, icon and the beginning of its caption.
int SidewaysScrollToShow(int current, int viewportWidth, int left, int right);
