#include "ErrorBox.h"
#include "ScreenRule.h"

#include <gtest/gtest.h>

TEST(ScreenRule, RefusedOnlyWhenShortOfBothThresholds) {
    EXPECT_FALSE(ScreenTooSmall(1024, 480));
    EXPECT_FALSE(ScreenTooSmall(640, 600));
    EXPECT_FALSE(ScreenTooSmall(800, 480));
    EXPECT_FALSE(ScreenTooSmall(800, 600));
    EXPECT_TRUE(ScreenTooSmall(799, 599));
    EXPECT_TRUE(ScreenTooSmall(640, 480));
}

TEST(ErrorBoxText, AFullStopFollowsTextsEndingAfterIt) {
    EXPECT_EQ(ErrorBoxText("Stream read error"), "Stream read error.");
    EXPECT_EQ(ErrorBoxText("Cannot open file /x/Demo.scn"), "Cannot open file /x/Demo.scn.");
    EXPECT_EQ(ErrorBoxText("Failed to set data for 'Qor.Campaign'"),
              "Failed to set data for 'Qor.Campaign'");
    EXPECT_EQ(ErrorBoxText("unsupported version."), "unsupported version.");
    EXPECT_EQ(ErrorBoxText("size (2 GiB)"), "size (2 GiB)");
    EXPECT_EQ(ErrorBoxText("file 7"), "file 7.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Really?"), "Really?.");
    EXPECT_EQ(ErrorBoxText("(x)"), "(x)");
    // A translation ending with its own script's full stop or mark gets no "." after it.
    EXPECT_EQ(ErrorBoxText(QStringLiteral("数据流读取错误。")), QStringLiteral("数据流读取错误。"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("真的吗？")), QStringLiteral("真的吗？"));
    EXPECT_EQ(ErrorBoxText(""), "");
}
