#include "ProgramPictures.h"

#include "EnumTable.h"
#include "PixelArt.h"
#include "Subjects.h"

#include <QPoint>

#include <cstddef>

namespace {

using Subject = QImage (*)();

// One picture: its name, what it shows and, for a toolbar picture, the size its subject is
// centred in and whether a greyed image follows. A picture without a size is drawn as it is.
struct TPictureRow {
    TPicture Id;
    const char* Name;
    Subject Draw;
    QSize Size = {};
    bool WithGreyed = false;
};

struct TGlyphRow {
    TMenuGlyph Id;
    Subject Draw;
};

constexpr TGlyphRow GlyphRows[] = {
    {TMenuGlyph::BlankPage, Subjects::blankPage},
    {TMenuGlyph::OpeningFolder, Subjects::openingFolder},
    {TMenuGlyph::FloppyDisk, Subjects::floppyDisk},
    {TMenuGlyph::AddScenario, Subjects::addScenario},
    {TMenuGlyph::RemoveScenario, Subjects::removeScenario},
    {TMenuGlyph::ReplaceScenario, Subjects::replaceScenario},
    {TMenuGlyph::InsertScenario, Subjects::insertScenario},
    {TMenuGlyph::SaveScenarioToDisk, Subjects::saveScenarioToDisk},
    {TMenuGlyph::FormWithPen, Subjects::formWithPen},
    {TMenuGlyph::LargeIcons, Subjects::largeIcons},
    {TMenuGlyph::SmallIcons, Subjects::smallIcons},
    {TMenuGlyph::ListView, Subjects::listView},
    {TMenuGlyph::DetailsView, Subjects::detailsView},
    {TMenuGlyph::ArrowWithQuestionMark, Subjects::arrowWithQuestionMark},
    {TMenuGlyph::HelpBook, Subjects::helpBook},
    {TMenuGlyph::QuestionMark, Subjects::questionMark},
    {TMenuGlyph::GlobeWithLink, Subjects::globeWithLink},
};

// The strip: every glyph centred in its cell, side by side, 24-bit on the transparent magenta.
QImage menuGlyphStrip() {
    QImage strip = PixelArt::blank(MenuGlyphCell * MenuGlyphCount, MenuGlyphCell);
    for (const TGlyphRow& row : GlyphRows) {
        const QImage cell = PixelArt::centred(row.Draw(), MenuGlyphCell, MenuGlyphCell);
        PixelArt::stamp(strip, cell, QPoint(static_cast<int>(row.Id) * MenuGlyphCell, 0));
    }
    return strip.convertToFormat(QImage::Format_RGB888);
}

constexpr TPictureRow PictureRows[] = {
    {TPicture::MenuGlyphs, "menu-glyphs", menuGlyphStrip},
    {TPicture::ToolbarNew, "toolbar-new", Subjects::blankPage, {17, 17}, true},
    {TPicture::ToolbarOpen, "toolbar-open", Subjects::openingFolder, {17, 17}, true},
    {TPicture::ToolbarSave, "toolbar-save", Subjects::floppyDisk, {17, 17}, true},
    {TPicture::ToolbarAdd, "toolbar-add", Subjects::addScenario, {21, 20}, true},
    {TPicture::ToolbarRemove, "toolbar-remove", Subjects::removeScenario, {21, 21}, true},
    {TPicture::ToolbarReplace, "toolbar-replace", Subjects::replaceScenario, {17, 17}, true},
    {TPicture::ToolbarInsert, "toolbar-insert", Subjects::insertScenario, {21, 21}, true},
    {TPicture::ToolbarSaveScn, "toolbar-savescn", Subjects::saveScenarioToDisk, {21, 21}, true},
    {TPicture::ToolbarOptions, "toolbar-options", Subjects::formWithPen, {17, 17}, true},
    {TPicture::ToolbarLargeIcons, "toolbar-largeicons", Subjects::largeIcons, {16, 15}},
    {TPicture::ToolbarSmallIcons, "toolbar-smallicons", Subjects::smallIcons, {16, 15}},
    {TPicture::ToolbarList, "toolbar-list", Subjects::listView, {17, 15}},
    {TPicture::ToolbarDetails, "toolbar-details", Subjects::detailsView, {17, 15}},
    {TPicture::ToolbarHelp, "toolbar-help", Subjects::helpBook, {17, 17}, true},
    {TPicture::WindowIcon, "window-icon", Subjects::programIcon},
    {TPicture::AboutEmblem, "about-emblem", Subjects::crestedHelmet},
    {TPicture::AboutEnvelope, "about-envelope", Subjects::envelope},
    {TPicture::OptionsCampaign, "options-campaign", Subjects::pageWithGears},
    {TPicture::OptionsGeneral, "options-general", Subjects::folderWithTools},
};

static_assert(RowsFollowTheirEnum(PictureRows, static_cast<std::size_t>(TPicture::Count)));
static_assert(RowsFollowTheirEnum(GlyphRows, static_cast<std::size_t>(TMenuGlyph::Count)));

const TPictureRow& rowOf(TPicture picture) {
    return PictureRows[static_cast<std::size_t>(picture)];
}

} // namespace

namespace ProgramPictures {

QString fileName(TPicture picture) {
    return QString::fromLatin1(rowOf(picture).Name) + QStringLiteral(".png");
}

QString resourcePath(TPicture picture) {
    return QStringLiteral(":/pictures/") + fileName(picture);
}

QImage load(TPicture picture) {
    return QImage(resourcePath(picture));
}

QSize imageSize(TPicture picture) {
    const TPictureRow& row = rowOf(picture);
    return row.Size.isEmpty() ? row.Draw().size() : row.Size;
}

int imageCount(TPicture picture) {
    return rowOf(picture).WithGreyed ? 2 : 1;
}

QImage draw(TPicture picture) {
    const TPictureRow& row = rowOf(picture);
    if (row.Size.isEmpty())
        return row.Draw();
    const QImage image = PixelArt::centred(row.Draw(), row.Size.width(), row.Size.height());
    return row.WithGreyed ? PixelArt::withGreyedImage(image) : image;
}

} // namespace ProgramPictures
