#include "FileMask.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct MaskCase {
    const char* name;
    const char* mask;
    bool matches;
};

class MatchesMaskTable : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MatchesMaskTable, Matches) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(MatchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.mask)), c.matches)
        << c.name << " against " << c.mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MatchesMaskTable,
    ::testing::Values(MaskCase{"readme.", "*.", true}, MaskCase{"anything", "*", true},
                      MaskCase{"a.b", "*.*", true}, MaskCase{"abc.", "*.*", true},
                      MaskCase{"abc.", "a?c", false}, MaskCase{"abc.", "a?c.*", true},
                      MaskCase{"abab.txt", "*b*.txt", true}, MaskCase{"abc", "abc", true},
                      MaskCase{"abc.", "abc", false}, MaskCase{"x", "", false},
                      MaskCase{"a.scn", "*.scn", true}, MaskCase{"c.scn.bak", "*.scn", false},
                      MaskCase{"/games/a.scn", "*.scn", true}, MaskCase{"ab", "a??", false},
                      MaskCase{"ab", "a?", true}, MaskCase{"abc", "a*c", true},
                      MaskCase{"abcx", "a*c", false}, MaskCase{"a.b.c", "*.c", true},
                      // No backtracking: the middle literal binds to its first occurrence.
                      MaskCase{"xaybxayc", "*a*b*c", true}, MaskCase{"baab", "b*ab", true},
                      MaskCase{"aXbYc", "a*b?c", true}, MaskCase{"abXbc", "a*b?c", false},
                      MaskCase{"ab", "*ab*", true}, MaskCase{"ba", "*ab", false},
                      MaskCase{"abc", "abcd", false}, MaskCase{"", "*a", false}),
    [](const ::testing::TestParamInfo<MaskCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(ParseMask, EmptyTextGivesStar) {
    TMaskList list;
    list.masks = QStringList{QStringLiteral("old")};
    ParseMask(QString(), list);
    EXPECT_EQ(list.masks, QStringList{QStringLiteral("*")});
}

TEST(ParseMask, PiecesAreLowerCasedSortedAndKeepBlanks) {
    TMaskList list;
    ParseMask(QStringLiteral("*.SCX;*.scn; *.scx"), list);
    EXPECT_EQ(list.masks, (QStringList{QStringLiteral(" *.scx"), QStringLiteral("*.scn"),
                                       QStringLiteral("*.scx")}));
    ParseMask(QStringLiteral("a;;b;"), list);
    EXPECT_EQ(list.masks, (QStringList{QString(), QStringLiteral("a"), QStringLiteral("b")}));
    ParseMask(QStringLiteral("x;x"), list);
    EXPECT_EQ(list.masks.size(), 2);
}

TEST(MatchesMaskList, NoListOrEmptyListMatchesEverything) {
    EXPECT_TRUE(MatchesMaskList(QStringLiteral("anything"), nullptr));
    TMaskList empty;
    EXPECT_TRUE(MatchesMaskList(QStringLiteral("anything"), &empty));
}

TEST(MatchesMaskList, NameIsLowerCasedAndGetsADot) {
    TMaskList list;
    ParseMask(QStringLiteral("abc"), list);
    EXPECT_FALSE(MatchesMaskList(QStringLiteral("abc"), &list));
    ParseMask(QStringLiteral("*.scn;*.scx"), list);
    EXPECT_TRUE(MatchesMaskList(QStringLiteral("/Games/a.SCN"), &list));
    EXPECT_TRUE(MatchesMaskList(QStringLiteral("/Games/b.scx"), &list));
    EXPECT_FALSE(MatchesMaskList(QStringLiteral("/Games/c.scn.bak"), &list));
    ParseMask(QStringLiteral("*."), list);
    EXPECT_TRUE(MatchesMaskList(QStringLiteral("README"), &list));
}

TEST(MatchesMaskList, OnlyAnEmptyMaskMatchesNothing) {
    TMaskList list;
    ParseMask(QStringLiteral(";"), list);
    ASSERT_EQ(list.masks, QStringList{QString()});
    EXPECT_FALSE(MatchesMaskList(QStringLiteral("a.scn"), &list));
}

TEST(MatchesMask, LongNamesStayLinear) {
    const QString name = QString(20000, u'a') + QStringLiteral(".txt");
    QString mask;
    for (int i = 0; i < 200; ++i)
        mask += QStringLiteral("*a");
    mask += QStringLiteral("*b");
    EXPECT_FALSE(MatchesMask(name, mask));
}

} // namespace
