#pragma once

class QWidget;

// Makes the caption of a shown top-level window empty on the screen too. Qt's X11 platform
// puts the program's name into the window's name properties when the title is empty; this
// empties them again. Call it once the window exists (from its show event): the properties
// then change before the window manager maps the window.
void ShowEmptyCaption(QWidget& window);
