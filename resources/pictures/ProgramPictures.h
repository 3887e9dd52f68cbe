#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The catalogue of the program's pictures: every picture the program ships, drawn by the build
// into the resources as ":/pictures/<name>.png", and the cells of the menu glyph strip. The
// catalogue's rows sit beside the pixel art, in Subjects.cpp, so that a new picture is drawn
// and catalogued in one place.

enum class TPicture {
    MenuGlyphs,
    ToolbarNew,
    ToolbarOpen,
    ToolbarSave,
    ToolbarAdd,
    ToolbarRemove,
    ToolbarReplace,
    ToolbarInsert,
    ToolbarSaveScn,
    ToolbarOptions,
    ToolbarLargeIcons,
    ToolbarSmallIcons,
    ToolbarList,
    ToolbarDetails,
    ToolbarHelp,
    WindowIcon,
    AboutEmblem,
    AboutEnvelope,
    OptionsCampaign,
    OptionsGeneral,
    ToolbarUndo,
    ToolbarRedo,
    Count
};

// The menu glyph strip's cells in strip order; a menu item shows cell g when its Tag is g + 1.
enum class TMenuGlyph {
    None = -1,
    BlankPage,
    OpeningFolder,
    FloppyDisk,
    AddScenario,
    RemoveScenario,
    ReplaceScenario,
    InsertScenario,
    SaveScenarioToDisk,
    FormWithPen,
    LargeIcons,
    SmallIcons,
    ListView,
    DetailsView,
    ArrowWithQuestionMark,
    HelpBook,
    QuestionMark,
    GlobeWithLink,
    UndoArrow,
    RedoArrow,
    Count
};

inline constexpr int MenuGlyphCount = static_cast<int>(TMenuGlyph::Count);
// The side of a cell of the menu glyph strip.
inline constexpr int MenuGlyphCell = 21;

// The Tag of a menu item that shows the glyph (0: none).
constexpr int MenuGlyphTag(TMenuGlyph glyph) {
    return static_cast<int>(glyph) + 1;
}

namespace ProgramPictures {

// One picture: its file name without ".png", what it shows and, for a toolbar picture, the
// size its subject is centred in and whether a greyed image for the disabled state follows.
// A picture without a size is drawn as its subject is.
struct TPictureRow {
    TPicture Id;
    const char* Name;
    QImage (*Draw)();
    QSize Size = {};
    bool WithGreyed = false;
};

// The catalogue's row of a picture, and the subject drawn in a cell of the menu glyph strip.
const TPictureRow& row(TPicture picture);
QImage glyphSubject(TMenuGlyph glyph);

// The strip: every glyph centred in its cell, side by side, 24-bit on the transparent magenta.
QImage menuGlyphStrip();

// The file name in the resources, "toolbar-add.png".
QString fileName(TPicture picture);
// ":/pictures/<file name>".
QString resourcePath(TPicture picture);
// The picture as the resources hold it.
QImage load(TPicture picture);
// The size of one image of the picture and how many images lie side by side: 2 when a greyed
// image for the disabled state follows the normal one.
QSize imageSize(TPicture picture);
int imageCount(TPicture picture);

// Draws the picture afresh, as the build does.
QImage draw(TPicture picture);

} // namespace ProgramPictures
