#include "BrowserLookup.h"

#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

class BrowserLookup : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "config");
        std::filesystem::create_directories(folder / "data/applications");
        std::filesystem::create_directories(folder / "system/applications/kde");
    }
    void desktopFile(const std::filesystem::path& path, const std::string& exec) {
        WriteText(path, "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n");
    }

    TempFolder folder;
    TXdgFolders xdg{
        QtPath(folder / "data"), QtPath(folder / "config"), {QtPath(folder / "system")}, {}};
};

TEST_F(BrowserLookup, TheDefaultForHtmlFilesComesFirst) {
    desktopFile(folder / "data/applications/web.desktop", "/usr/bin/web %u");
    desktopFile(folder / "data/applications/links.desktop", "/usr/bin/links %u");
    WriteText(
        folder / "config/mimeapps.list",
        "[Default Applications]\nx-scheme-handler/http=links.desktop;\ntext/html=web.desktop;\n");
    EXPECT_EQ(FindBrowserCommand(xdg), "/usr/bin/web %u");
}

TEST_F(BrowserLookup, MissingEntriesAreSkippedAndSystemFoldersSearched) {
    desktopFile(folder / "system/applications/kde/konq.desktop",
                "\"/opt/K Browser/konq\" --new %U");
    WriteText(folder / "config/mimeapps.list",
              "[Default "
              "Applications]\ntext/html=gone.desktop;\nx-scheme-handler/http=kde-konq.desktop;\n");
    EXPECT_EQ(FindBrowserCommand(xdg), "\"/opt/K Browser/konq\" --new %U");
}

TEST_F(BrowserLookup, NoBrowserNamedGivesNothing) {
    EXPECT_EQ(FindBrowserCommand(xdg), "");
    WriteText(folder / "config/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop;\n");
    EXPECT_EQ(FindBrowserCommand(xdg), "");
}
