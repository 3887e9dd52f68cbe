#pragma once

#include <QFont>

// The font of the program's windows and dialogs: MS Sans Serif at 8 points where it is
// installed, else the closest sans serif font with the same widths.
QFont ProgramFont();

// The serif font of the About box's titles: Times New Roman, else the nearest installed serif.
QFont TitleFont(int pointSize);
