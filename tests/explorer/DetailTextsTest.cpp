#include "DetailTexts.h"

#include <gtest/gtest.h>

TEST(DetailTexts, SizeIsRoundedUpKilobytes) {
    EXPECT_EQ(SizeText(0), QStringLiteral("1 KB"));
    EXPECT_EQ(SizeText(1), QStringLiteral("1 KB"));
    EXPECT_EQ(SizeText(1024), QStringLiteral("2 KB"));
    EXPECT_EQ(SizeText(1025), QStringLiteral("2 KB"));
    EXPECT_EQ(SizeText(1048576), QStringLiteral("1,025 KB"));
    EXPECT_EQ(SizeText(5LL * 1024 * 1024 * 1024), QStringLiteral("5,242,881 KB"));
}

TEST(DetailTexts, GroupThousands) {
    EXPECT_EQ(GroupThousands(QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(GroupThousands(QStringLiteral("999")), QStringLiteral("999"));
    EXPECT_EQ(GroupThousands(QStringLiteral("1000")), QStringLiteral("1,000"));
    EXPECT_EQ(GroupThousands(QStringLiteral("123456")), QStringLiteral("123,456"));
    EXPECT_EQ(GroupThousands(QStringLiteral("1234567")), QStringLiteral("1,234,567"));
}

TEST(DetailTexts, ModifiedTextEmptyForUnknownTime) {
    EXPECT_EQ(ModifiedText(QDateTime()), QString());
    const QString text = ModifiedText(QDateTime(QDate(2024, 3, 5), QTime(14, 7)));
    EXPECT_TRUE(text.contains(u' '));
    EXPECT_TRUE(text.contains(QStringLiteral("14")));
}

TEST(DetailTexts, DriveRoots) {
    EXPECT_TRUE(IsDriveRoot(QStringLiteral("/")));
    EXPECT_FALSE(IsDriveRoot(QStringLiteral("/nonexistent/path")));
}
