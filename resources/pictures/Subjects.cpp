// The pixel art of the program's pictures, each subject drawn once in a box of about 16 x 16
// pixels (the larger ones for the window icon, the About box and the Options pages at their
// size) on the transparent magenta, and the catalogue's rows that name and place them.
#include "EnumTable.h"
#include "PixelArt.h"
#include "ProgramPictures.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

using PixelArt::fromRows;

namespace Subjects {

// Painters on images draw without antialiasing, so every pixel is exactly a palette colour.
namespace {

// A page with a folded corner above a yellow folder: the base of Add and Remove.
QImage pageAndFolder(char sign) {
    const char s = sign;
    const char row1[] = {'.', '#', 'W', 'W', 'W', 'W', '#', '#', '.', '.', '.', '.', s, s, '.', '.', 0};
    const char row2[] = {'.', '#', 'W', 'W', 'W', 'W', '#', 'W', '#', '.', '.', '.', s, s, '.', '.', 0};
    const char row5[] = {'.', '#', 'W', 'W', 'W', 'W', 'W', 'W', 'W', '#', '.', '.', s, s, '.', '.', 0};
    const bool plus = sign == 'N';
    return fromRows({
        ".######.........",
        plus ? row1 : ".#WWWW##........",
        plus ? row2 : ".#WWWW#W#.......",
        plus ? ".#WWWW####NNNNNN" : ".#WWWW####rrrrrr",
        plus ? ".#WWWWWWW#NNNNNN" : ".#WWWWWWW#rrrrrr",
        plus ? row5 : ".#WWWWWWW#......",
        plus ? row5 : ".#WWWWWWW#......",
        ".#WWWWWWW#......",
        "####WWWWW#......",
        "#YY#######......",
        "#yyyyyyyyyy#....",
        "#yyyyyyyyyy#....",
        "#yyyyyyyyyy#....",
        "#yyyyyyyyyy#....",
        "############....",
        "................",
    });
}

void pixel(QImage& image, int x, int y, char colour) {
    if (image.rect().contains(x, y))
        image.setPixel(x, y, PixelArt::colourOf(colour));
}

QColor c(char colour) {
    return QColor(PixelArt::colourOf(colour));
}

// A gear wheel: a toothed disc with a hole, outlined in black.
void gear(QPainter& painter, QPoint centre, int radius, int teeth) {
    QPolygon outline;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = 2 * M_PI * i / (teeth * 4);
        const int r = (i % 4 < 2) ? radius : radius - 2;
        outline << centre + QPoint(int(std::lround(r * std::cos(angle))), int(std::lround(r * std::sin(angle))));
    }
    painter.setPen(c('#'));
    painter.setBrush(c('y'));
    painter.drawPolygon(outline);
    painter.setBrush(c('W'));
    const int hole = std::max(1, radius / 3);
    painter.drawEllipse(centre, hole, hole);
}

} // namespace

QImage blankPage() {
    return fromRows({
        "................",
        "..#########.....",
        "..#WWWWWWW##....",
        "..#WWWWWWW#W#...",
        "..#WWWWWWW#WW#..",
        "..#WWWWWWW#####.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#WWWWWWWWWWW#.",
        "..#############.",
        "................",
    });
}

QImage openingFolder() {
    return fromRows({
        "................",
        "................",
        ".####...........",
        "#YYYY#######....",
        "#YYYYYYYYYY#....",
        "#YYYYYYYYYY#....",
        "#YYY##########..",
        "#YY#yyyyyyyyyy#.",
        "#YY#yyyyyyyyy#..",
        "#Y#yyyyyyyyyy#..",
        "#Y#yyyyyyyyy#...",
        "##yyyyyyyyyy#...",
        "##yyyyyyyyy#....",
        "###########.....",
        "................",
        "................",
    });
}

QImage floppyDisk() {
    return fromRows({
        "................",
        ".##############.",
        ".#B#WWWWWWWW#B#.",
        ".#B#WWWWWWWW#B#.",
        ".#B#WWWWWWWW#B#.",
        ".#B#WWWWWWWW#B#.",
        ".#BB########BB#.",
        ".#BBBBBBBBBBBB#.",
        ".#BBBBBBBBBBBB#.",
        ".#BB########BB#.",
        ".#BB#gg#ggg#BB#.",
        ".#BB#gg#ggg#BB#.",
        ".#BB#gg#ggg#BB#.",
        ".##############.",
        "................",
        "................",
    });
}

QImage addScenario() {
    return pageAndFolder('N');
}

QImage removeScenario() {
    return pageAndFolder('r');
}

QImage replaceScenario() {
    return fromRows({
        "................",
        "....B.B.B.B.....",
        "..B.........B...",
        "................",
        ".B...........B..",
        "............BBB.",
        ".............B..",
        "................",
        "..##.....####...",
        ".#..#....#...#..",
        ".#..#....#...#..",
        ".####....####...",
        ".#..#....#...#..",
        ".#..#....#...#..",
        ".#..#....####...",
        "................",
    });
}

QImage insertScenario() {
    return fromRows({
        "................",
        ".B.B.B..........",
        "B.....B.........",
        ".......B........",
        "........B.......",
        ".......BBB......",
        "........B.......",
        "................",
        ".......##.......",
        "......#..#......",
        "......#..#......",
        "......####......",
        "......#..#......",
        "......#..#......",
        "......#..#......",
        "................",
    });
}

QImage saveScenarioToDisk() {
    return fromRows({
        ".######.........",
        ".#WWWW##........",
        ".#WWWW#W#.......",
        ".#WWWW####......",
        ".#WWWWWWW#..r...",
        ".#WWWWWWW#..r...",
        ".#WWWWWWW#..r...",
        ".#WWWWWWW#rrrrr.",
        ".#########.rrr..",
        "............r...",
        "################",
        "#gggggggggggggg#",
        "#gggggggggnnggg#",
        "#gggggggggggggg#",
        "################",
        "................",
    });
}

QImage formWithPen() {
    QImage form = fromRows({
        "................",
        "############....",
        "#BBBBBBBBBB#....",
        "############....",
        "#WWWWWWWWWW#....",
        "#W#####WWWW#....",
        "#WWWWWWWWWW#....",
        "#W###WWWWWW#....",
        "#WWWWWWWWWW#....",
        "#W######WWW#....",
        "#WWWWWWWWWW#....",
        "#W####WWWWW#....",
        "#WWWWWWWWWW#....",
        "############....",
        "................",
        "................",
    });
    // The pen lies across the form from the top right, its tip down to the left.
    for (int k = 0; k < 8; ++k) {
        pixel(form, 15 - k, k, 'y');
        pixel(form, 14 - k, k, '#');
        pixel(form, 15 - k, k + 1, '#');
    }
    pixel(form, 7, 8, '#');
    pixel(form, 6, 9, '#');
    return form;
}

QImage largeIcons() {
    return fromRows({
        "................",
        "..####....####..",
        "..#bb#....#bb#..",
        "..#bb#....#bb#..",
        "..####....####..",
        ".######..######.",
        "................",
        "................",
        "..####....####..",
        "..#bb#....#bb#..",
        "..#bb#....#bb#..",
        "..####....####..",
        ".######..######.",
        "................",
        "................",
    });
}

QImage smallIcons() {
    return fromRows({
        "................",
        ".bb.###..bb.###.",
        ".bb......bb.....",
        "................",
        ".bb.###..bb.###.",
        ".bb......bb.....",
        "................",
        ".bb.###..bb.###.",
        ".bb......bb.....",
        "................",
        ".bb.###..bb.###.",
        ".bb......bb.....",
        "................",
        "................",
        "................",
    });
}

QImage listView() {
    return fromRows({
        ".................",
        ".bb.####..bb.###.",
        ".bb.......bb.....",
        ".................",
        ".bb.#####.bb.####",
        ".bb.......bb.....",
        ".................",
        ".bb.###...bb.##..",
        ".bb.......bb.....",
        ".................",
        ".bb.####..bb.###.",
        ".bb.......bb.....",
        ".................",
        ".................",
        ".................",
    });
}

QImage detailsView() {
    return fromRows({
        ".................",
        "GGGGGGG.GGGGG.GGG",
        ".................",
        ".bb.#####..###.##",
        ".bb..............",
        ".................",
        ".bb.####...##..##",
        ".bb..............",
        ".................",
        ".bb.######.###.##",
        ".bb..............",
        ".................",
        ".bb.###....##..##",
        ".bb..............",
        ".................",
    });
}

QImage arrowWithQuestionMark() {
    return fromRows({
        "................",
        "#...............",
        "##.......BBB....",
        "#W#.....B...B...",
        "#WW#........B...",
        "#WWW#......B....",
        "#WWWW#....B.....",
        "#WWWWW#...B.....",
        "#WWW####........",
        "#W#W#.....B.....",
        "##.#W#..........",
        "#..#W#..........",
        "....#W#.........",
        "....##..........",
        "................",
        "................",
    });
}

QImage helpBook() {
    return fromRows({
        "................",
        "..###########...",
        ".#BBBBBBBBBB#...",
        ".#BBBByyBBBB#...",
        ".#BBByBByBBB#...",
        ".#BBBBBByBBB#...",
        ".#BBBBByBBBB#...",
        ".#BBBBByBBBB#...",
        ".#BBBBBBBBBB#...",
        ".#BBBBByBBBB#...",
        ".#BBBBBBBBBB#...",
        ".#B##########...",
        ".#BWWWWWWWWWW#..",
        "..############..",
        "................",
        "................",
    });
}

QImage questionMark() {
    return fromRows({
        "................",
        ".....#####......",
        "....#yyyyy#.....",
        "...#yy###yy#....",
        "...#yy#.#yy#....",
        "....##..#yy#....",
        ".......#yy#.....",
        "......#yy#......",
        "......#yy#......",
        ".......##.......",
        "......####......",
        "......#yy#......",
        "......#yy#......",
        ".......##.......",
        "................",
        "................",
    });
}

QImage globeWithLink() {
    QImage globe = fromRows({
        "................",
        ".....######.....",
        "...##CCbbCC##...",
        "..#CCNNbbbCCC#..",
        "..#CNNNNbbbCC#..",
        ".#CCNNNbbbbbCC#.",
        ".#CCCNNbbbbNNC#.",
        ".#bbbbNbbbNNNC#.",
        ".#bbbbbbbbNNNb#.",
        ".#bbbbbbbbbNbb#.",
        "..#bbNNbbbbbb#..",
        "..#bbNNNbbbbb#..",
        "...##bNNbbb##...",
        ".....######.....",
        "................",
        "................",
    });
    // Two chain links at the bottom right.
    const QImage link = fromRows({
        ".####.....",
        "#gggg#....",
        "#g..####..",
        ".###gggg#.",
        "...#g..g#.",
        "....####..",
    });
    PixelArt::stamp(globe, link, QPoint(7, 10));
    return globe;
}

QImage programIcon() {
    // A campaign scroll with a red seal.
    QImage icon = PixelArt::blank(32, 32);
    QPainter painter(&icon);
    painter.setPen(c('#'));
    painter.setBrush(c('y'));
    painter.drawRect(5, 5, 21, 21);
    painter.setBrush(c('Y'));
    painter.drawRect(3, 3, 25, 4);
    painter.drawRect(3, 24, 25, 4);
    painter.setPen(c('R'));
    for (int y = 10; y <= 20; y += 3)
        painter.drawLine(8, y, 22, y);
    painter.setPen(c('#'));
    painter.setBrush(c('r'));
    painter.drawEllipse(QPoint(22, 21), 4, 4);
    painter.end();
    return icon;
}

QImage crestedHelmet() {
    QImage helmet = PixelArt::blank(20, 31);
    QPainter painter(&helmet);
    painter.setPen(c('#'));
    // The crest, a red plume sweeping back.
    painter.setBrush(c('r'));
    painter.drawPolygon(QPolygon({QPoint(9, 1), QPoint(15, 2), QPoint(18, 7), QPoint(16, 12), QPoint(11, 9)}));
    // Dome and cheek guards.
    painter.setBrush(c('g'));
    painter.drawChord(3, 7, 14, 14, 0, 180 * 16);
    painter.drawRect(3, 14, 14, 11);
    painter.setBrush(c('G'));
    painter.drawRect(5, 17, 10, 3);
    painter.drawLine(10, 20, 10, 27);
    painter.setBrush(c('g'));
    painter.drawPolygon(QPolygon({QPoint(3, 25), QPoint(7, 29), QPoint(13, 29), QPoint(17, 25)}));
    painter.end();
    return helmet;
}

QImage envelope() {
    QImage letter = PixelArt::blank(23, 15);
    QPainter painter(&letter);
    painter.setPen(c('#'));
    painter.setBrush(c('W'));
    painter.drawRect(0, 0, 22, 14);
    painter.drawLine(0, 0, 11, 8);
    painter.drawLine(22, 0, 11, 8);
    painter.setBrush(c('r'));
    painter.drawRect(17, 2, 3, 3);
    painter.end();
    return letter;
}

QImage pageWithGears() {
    QImage icon = PixelArt::blank(32, 32);
    QPainter painter(&icon);
    painter.setPen(c('#'));
    painter.setBrush(c('W'));
    painter.drawPolygon(QPolygon({QPoint(4, 1), QPoint(20, 1), QPoint(26, 7), QPoint(26, 30), QPoint(4, 30)}));
    painter.drawLine(20, 1, 20, 7);
    painter.drawLine(20, 7, 26, 7);
    gear(painter, QPoint(13, 14), 7, 8);
    gear(painter, QPoint(21, 23), 5, 6);
    painter.end();
    return icon;
}

QImage folderWithTools() {
    QImage icon = PixelArt::blank(32, 32);
    QPainter painter(&icon);
    painter.setPen(c('#'));
    painter.setBrush(c('Y'));
    painter.drawRect(1, 8, 10, 4);
    painter.setBrush(c('y'));
    painter.drawRect(1, 11, 29, 18);
    // Screwdriver: red handle, grey shaft.
    painter.setBrush(c('r'));
    painter.drawRect(5, 2, 4, 9);
    painter.setBrush(c('g'));
    painter.drawRect(6, 11, 2, 12);
    // Hammer: brown handle across, grey head.
    painter.setBrush(c('R'));
    painter.drawPolygon(QPolygon({QPoint(14, 25), QPoint(26, 9), QPoint(28, 11), QPoint(16, 27)}));
    painter.setBrush(c('G'));
    painter.drawPolygon(QPolygon({QPoint(20, 5), QPoint(26, 3), QPoint(31, 10), QPoint(27, 13)}));
    painter.end();
    return icon;
}

// A blue arrow that turns back on itself, its head to the left: Undo; mirrored, Redo.
QImage undoArrow() {
    return fromRows({
        "................",
        "................",
        "....#...........",
        "...##...........",
        "..#b#########...",
        ".#bbbbbbbbbbb#..",
        "#bbbbbbbbbbbbb#.",
        ".#bbbbbbbbbbbb#.",
        "..#b######bbbb#.",
        "...##....#bbbb#.",
        "....#....#bbbb#.",
        "......####bbb#..",
        "......#bbbbb#...",
        "......######....",
        "................",
        "................",
    });
}

QImage redoArrow() {
    return undoArrow().mirrored(true, false);
}

// The catalogue: the strip's cells in the order of TMenuGlyph, the pictures in the order of
// TPicture. A value left out or listed twice stops the build.
struct TGlyphRow {
    TMenuGlyph Id;
    QImage (*Draw)();
};

constexpr TGlyphRow GlyphRows[] = {
    {TMenuGlyph::BlankPage, blankPage},
    {TMenuGlyph::OpeningFolder, openingFolder},
    {TMenuGlyph::FloppyDisk, floppyDisk},
    {TMenuGlyph::AddScenario, addScenario},
    {TMenuGlyph::RemoveScenario, removeScenario},
    {TMenuGlyph::ReplaceScenario, replaceScenario},
    {TMenuGlyph::InsertScenario, insertScenario},
    {TMenuGlyph::SaveScenarioToDisk, saveScenarioToDisk},
    {TMenuGlyph::FormWithPen, formWithPen},
    {TMenuGlyph::LargeIcons, largeIcons},
    {TMenuGlyph::SmallIcons, smallIcons},
    {TMenuGlyph::ListView, listView},
    {TMenuGlyph::DetailsView, detailsView},
    {TMenuGlyph::ArrowWithQuestionMark, arrowWithQuestionMark},
    {TMenuGlyph::HelpBook, helpBook},
    {TMenuGlyph::QuestionMark, questionMark},
    {TMenuGlyph::GlobeWithLink, globeWithLink},
    {TMenuGlyph::UndoArrow, undoArrow},
    {TMenuGlyph::RedoArrow, redoArrow},
};

constexpr ProgramPictures::TPictureRow PictureRows[] = {
    {TPicture::MenuGlyphs, "menu-glyphs", ProgramPictures::menuGlyphStrip},
    {TPicture::ToolbarNew, "toolbar-new", blankPage, {17, 17}, true},
    {TPicture::ToolbarOpen, "toolbar-open", openingFolder, {17, 17}, true},
    {TPicture::ToolbarSave, "toolbar-save", floppyDisk, {17, 17}, true},
    {TPicture::ToolbarAdd, "toolbar-add", addScenario, {21, 20}, true},
    {TPicture::ToolbarRemove, "toolbar-remove", removeScenario, {21, 21}, true},
    {TPicture::ToolbarReplace, "toolbar-replace", replaceScenario, {17, 17}, true},
    {TPicture::ToolbarInsert, "toolbar-insert", insertScenario, {21, 21}, true},
    {TPicture::ToolbarSaveScn, "toolbar-savescn", saveScenarioToDisk, {21, 21}, true},
    {TPicture::ToolbarOptions, "toolbar-options", formWithPen, {17, 17}, true},
    {TPicture::ToolbarLargeIcons, "toolbar-largeicons", largeIcons, {16, 15}},
    {TPicture::ToolbarSmallIcons, "toolbar-smallicons", smallIcons, {16, 15}},
    {TPicture::ToolbarList, "toolbar-list", listView, {17, 15}},
    {TPicture::ToolbarDetails, "toolbar-details", detailsView, {17, 15}},
    {TPicture::ToolbarHelp, "toolbar-help", helpBook, {17, 17}, true},
    {TPicture::WindowIcon, "window-icon", programIcon},
    {TPicture::AboutEmblem, "about-emblem", crestedHelmet},
    {TPicture::AboutEnvelope, "about-envelope", envelope},
    {TPicture::OptionsCampaign, "options-campaign", pageWithGears},
    {TPicture::OptionsGeneral, "options-general", folderWithTools},
    {TPicture::ToolbarUndo, "toolbar-undo", undoArrow, {17, 17}, true},
    {TPicture::ToolbarRedo, "toolbar-redo", redoArrow, {17, 17}, true},
};

static_assert(RowsFollowTheirEnum(GlyphRows, static_cast<std::size_t>(TMenuGlyph::Count)));
static_assert(RowsFollowTheirEnum(PictureRows, static_cast<std::size_t>(TPicture::Count)));

} // namespace Subjects

const ProgramPictures::TPictureRow& ProgramPictures::row(TPicture picture) {
    return Subjects::PictureRows[static_cast<std::size_t>(picture)];
}

QImage ProgramPictures::glyphSubject(TMenuGlyph glyph) {
    return Subjects::GlyphRows[static_cast<std::size_t>(glyph)].Draw();
}
