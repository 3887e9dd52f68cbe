// The texts the platform layer hands to the window go through Qt's translation system, each
// under the context of its class or unit.
#include "DesktopFolder.h"
#include "DesktopPlaces.h"
#include "FileAssociations.h"
#include "IDElements.h"
#include "ItemFacts.h"
#include "MarkingTranslator.h"
#include "PlatformError.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

QString desktopName(PCItemID relative) {
    const auto answer = TDesktopFolder().GetDisplayNameOf(relative, SHGDN::NORMAL);
    return answer ? answer->wide : QString();
}

QString associationError(const TempFolder& folder) {
    // A plain file where the settings folder should be: nothing can be written there.
    WriteText(folder / "config", "in the way");
    try {
        RegisterFileAssociation(TCampaignFileKind::Campaign, QStringLiteral("/opt/brindlewick"),
                                {QtPath(folder / "data"), QtPath(folder / "config"), {}, {}});
    } catch (const EPlatformError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

TEST(PlatformTexts, GoThroughTheTranslator) {
    const MarkingTranslator translator;
    const TempFolder folder;
    const std::uint8_t emptyList[2] = {0, 0}; // names the desktop itself
    const std::vector<TDesktopPlace> places = DesktopPlaces(QString());
    const std::vector<std::pair<QString, QString>> shownAndExpected{
        {desktopName(emptyList), "TDesktopFolder|Desktop"},
        {desktopName(IDElements::makePlace(TPlaceKind::Home, "/home/a")), "TDesktopFolder|Home"},
        {desktopName(IDElements::makePlace(TPlaceKind::Desktop, "/home/a/Desktop")),
         "TDesktopFolder|Desktop Folder"},
        {desktopName(IDElements::makePlace(TPlaceKind::FileSystem, "/")),
         "TDesktopFolder|File System"},
        {places.front().displayName, "DesktopPlaces|Home"},
        {places.back().displayName, "DesktopPlaces|File System"},
        {TypeNameOfPath(QStringLiteral("/x/campaign.qzx"), false), "ItemFacts|QZX File"},
        {TypeNameOfPath(QStringLiteral("/x/noextension"), false), "ItemFacts|File"},
        {associationError(folder), "FileAssociations|Failed to set data for '" +
                                       QtPath(folder / "config" / "mimeapps.list") + "'"},
    };
    for (const auto& [shown, expected] : shownAndExpected)
        EXPECT_EQ(shown, expected);
}
