#pragma once

#include "DockPosition.h"

#include <optional>

#include <QWidget>

// Implemented by a bar that can be docked, so that the buttons on it can open their menus
// away from the window edge it sits on.
class TDockedEdgeSource {
public:
    virtual ~TDockedEdgeSource() = default;
    // The edge of the dock holding the bar; none while it floats or is not in a dock.
    virtual std::optional<TDockPosition> DockedEdge() const = 0;
};

// The dock edge of a button's parent bar; none for a parent that cannot be docked.
inline std::optional<TDockPosition> DockedEdgeOf(const QWidget* parent) {
    const auto* source = dynamic_cast<const TDockedEdgeSource*>(parent);
    return source ? source->DockedEdge() : std::nullopt;
}
