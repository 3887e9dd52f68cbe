#pragma once

// What a dock tells the tool windows it holds, beyond their published properties. The dock
// decides rows and positions; the window keeps them and shapes its frame by the dock.
class TDockGuest {
public:
    // The dock's arrangement put the window at `row` and `pos`; nothing is arranged again.
    virtual void PlacedByDock(int row, int pos) = 0;
    // The dock changed what the window's docked frame depends on (whether bars can be dragged).
    virtual void DockFrameChanged() = 0;

protected:
    ~TDockGuest() = default;
};
