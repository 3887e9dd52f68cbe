#include "HelpViewer.h"

#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(HelpViewer, ShowsTheManualOrSaysWhyNot) {
    TempFolder folder;
    THelpViewer viewer;
    viewer.ShowContents(QtPath(folder / "brindlewick.html"));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.ShownText().contains("could not be found"))
        << viewer.ShownText().toStdString();

    viewer.ShowContents(QString::fromUtf8(BRINDLEWICK_MANUAL));
    EXPECT_TRUE(viewer.ShownText().contains("Setting a scenario's version"));
}

TEST(HelpViewer, TheManualIsBesideTheProgramOrWhereItIsInstalled) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "bin/brindlewick.html"));
    // Not under share/doc: Debian systems may leave documentation out, and the program must
    // still find its manual.
    std::filesystem::create_directories(folder / "share/brindlewick/help");
    WriteText(folder / "share/brindlewick/help/brindlewick.html", "<p>manual</p>");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "share/brindlewick/help/brindlewick.html"));
    WriteText(folder / "bin/brindlewick.html", "<p>beside</p>");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "bin/brindlewick.html"));
}
