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

// The program's addresses are https links: their handler comes first, then http's, then the
// HTML files'. Each type is looked up as xdg-mime does: the defaults of every mimeapps.list,
// then the programs that claim the type in the desktop entries' cache.
TEST_F(BrowserLookup, EachTypeTakesTheDefaultsThenTheCache) {
    struct Case {
        std::string mimeapps, cache, expected;
    };
    const std::vector<Case> cases = {
        {"x-scheme-handler/http=links.desktop;\ntext/html=web.desktop;\n"
         "x-scheme-handler/https=secure.desktop;\n",
         "", "/usr/bin/secure %u"},
        {"text/html=web.desktop;\nx-scheme-handler/http=links.desktop;\n", "", "/usr/bin/links %u"},
        {"", "x-scheme-handler/https=gone.desktop;secure.desktop;\ntext/html=web.desktop;\n",
         "/usr/bin/secure %u"},
        {"text/html=web.desktop;\n", "x-scheme-handler/https=secure.desktop;\n",
         "/usr/bin/secure %u"},
        {"x-scheme-handler/https=links.desktop;\n", "x-scheme-handler/https=secure.desktop;\n",
         "/usr/bin/links %u"},
    };
    for (const char* name : {"web", "links", "secure"})
        desktopFile(folder / "system/applications" / (std::string(name) + ".desktop"),
                    "/usr/bin/" + std::string(name) + " %u");
    for (const auto& [mimeapps, cache, expected] : cases) {
        WriteText(folder / "config/mimeapps.list", "[Default Applications]\n" + mimeapps);
        WriteText(folder / "system/applications/mimeinfo.cache", "[MIME Cache]\n" + cache);
        EXPECT_EQ(FindBrowserCommand(xdg), QString::fromStdString(expected)) << mimeapps << cache;
    }
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
