#pragma once

// The four window edges a dock can sit on. Shared by the docks (which arrange bars along
// their edge) and the toolbar buttons (which open their menus away from the edge).
enum class TDockPosition { dpTop, dpBottom, dpLeft, dpRight };

inline bool IsVerticalDock(TDockPosition position) {
    return position == TDockPosition::dpLeft || position == TDockPosition::dpRight;
}
