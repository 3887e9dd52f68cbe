#pragma once

#include <QFont>

class QPushButton;

// The font of the program's windows and dialogs: MS Sans Serif at 8 points where it is
// installed, else the closest sans serif font with the same widths.
QFont ProgramFont();

// The serif font of the About box's titles: Times New Roman, else the nearest installed serif.
QFont TitleFont(int pointSize);

// The width a button's caption needs in its font, with room for the button's frame on either
// side: a translated caption longer than its English one widens the button to it.
int CaptionWidthNeeded(const QPushButton* button);
