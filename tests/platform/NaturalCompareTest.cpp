#include "NaturalCompare.h"

#include <QString>
#include <gtest/gtest.h>

TEST(NaturalCompare, DigitsByValueLettersWithoutCase) {
    EXPECT_LT(NaturalCompare(u"file2", u"file10"), 0);
    EXPECT_GT(NaturalCompare(u"file10", u"file2"), 0);
    EXPECT_LT(NaturalCompare(u"apple", u"Banana"), 0);
    EXPECT_LT(NaturalCompare(u"a", u"ab"), 0);
    EXPECT_LT(NaturalCompare(u"x007", u"x8"), 0);
    EXPECT_NE(NaturalCompare(u"Readme", u"readme"), 0);
    EXPECT_EQ(NaturalCompare(u"same", u"same"), 0);
}
