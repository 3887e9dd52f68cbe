#pragma once

#include <QImage>

// The subjects of the program's small pictures, each drawn once in a box of about 16 x 16
// pixels on the transparent magenta; the menu strip and the toolbar place them in their cells.
namespace Subjects {

QImage blankPage();
QImage openingFolder();
QImage floppyDisk();
QImage addScenario();
QImage removeScenario();
QImage replaceScenario();
QImage insertScenario();
QImage saveScenarioToDisk();
QImage formWithPen();
QImage largeIcons();
QImage smallIcons();
QImage listView();
QImage detailsView();
QImage arrowWithQuestionMark();
QImage helpBook();
QImage questionMark();
QImage globeWithLink();

// The larger pictures of the window icon, the About box and the Options pages.
QImage programIcon();        // 32 x 32
QImage crestedHelmet();      // 20 x 31
QImage envelope();           // 23 x 15
QImage pageWithGears();      // 32 x 32
QImage folderWithTools();    // 32 x 32

} // namespace Subjects
