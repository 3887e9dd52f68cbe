#include "ProgramPictures.h"

#include "PixelArt.h"
#include "Subjects.h"

#include <QPoint>

namespace ProgramPictures {

namespace {

constexpr int MenuCell = 21;

// A toolbar picture of the given size, alone or with its greyed look beside it.
QImage toolbar(const QImage& subject, int width, int height, bool withGreyed) {
    const QImage picture = PixelArt::centred(subject, width, height);
    return withGreyed ? PixelArt::withGreyedImage(picture) : picture;
}

} // namespace

QImage menuGlyphStrip() {
    using namespace Subjects;
    const QImage cells[] = {
        blankPage(),   openingFolder(),         floppyDisk(),  addScenario(), removeScenario(), replaceScenario(),
        insertScenario(), saveScenarioToDisk(), formWithPen(), largeIcons(),  smallIcons(),     listView(),
        detailsView(), arrowWithQuestionMark(), helpBook(),    questionMark(), globeWithLink(),
    };
    QImage strip = PixelArt::blank(MenuCell * int(std::size(cells)), MenuCell);
    for (int i = 0; i < int(std::size(cells)); ++i) {
        const QImage cell = PixelArt::centred(cells[i], MenuCell, MenuCell);
        PixelArt::stamp(strip, cell, QPoint(i * MenuCell, 0));
    }
    return strip.convertToFormat(QImage::Format_RGB888);
}

std::vector<NamedPicture> all() {
    using namespace Subjects;
    return {
        {"menu-glyphs.png", menuGlyphStrip()},
        {"toolbar-new.png", toolbar(blankPage(), 17, 17, true)},
        {"toolbar-open.png", toolbar(openingFolder(), 17, 17, true)},
        {"toolbar-save.png", toolbar(floppyDisk(), 17, 17, true)},
        {"toolbar-add.png", toolbar(addScenario(), 21, 20, true)},
        {"toolbar-remove.png", toolbar(removeScenario(), 21, 21, true)},
        {"toolbar-replace.png", toolbar(replaceScenario(), 17, 17, true)},
        {"toolbar-insert.png", toolbar(insertScenario(), 21, 21, true)},
        {"toolbar-savescn.png", toolbar(saveScenarioToDisk(), 21, 21, true)},
        {"toolbar-options.png", toolbar(formWithPen(), 17, 17, true)},
        {"toolbar-largeicons.png", toolbar(largeIcons(), 16, 15, false)},
        {"toolbar-smallicons.png", toolbar(smallIcons(), 16, 15, false)},
        {"toolbar-list.png", toolbar(listView(), 17, 15, false)},
        {"toolbar-details.png", toolbar(detailsView(), 17, 15, false)},
        {"toolbar-help.png", toolbar(helpBook(), 17, 17, true)},
        {"window-icon.png", programIcon()},
        {"about-emblem.png", crestedHelmet()},
        {"about-envelope.png", envelope()},
        {"options-campaign.png", pageWithGears()},
        {"options-general.png", folderWithTools()},
    };
}

} // namespace ProgramPictures
