#pragma once

#include "ToolWindowAccessible.h"

class TCustomToolbar;

// A toolbar as assistive technology sees Qt's own: a tool bar named by its caption, or a menu
// bar when it holds menu-bar captions alone, so that those read as the items of a menu bar.
class TToolbarAccessible : public TToolWindowAccessible {
public:
    explicit TToolbarAccessible(TCustomToolbar* toolbar);

    QAccessible::Role role() const override;

private:
    TCustomToolbar* toolbar() const;
};
