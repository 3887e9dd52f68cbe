#pragma once

class QMenu;

// Selects the item the Down key would choose first in `menu`, as a menu opened from the
// keyboard shows: a disabled item only where the style lets it be chosen.
void SelectFirstMenuItem(QMenu* menu);
