#include "TextCodec.h"

#include "CampaignError.h"
#include "FileNames.h"

#include <gtest/gtest.h>

TEST(TextCodec, Windows1252IsTheDefaultAndRoundTrips) {
    const TTextCodec codec;
    EXPECT_EQ(codec.CodePage(), "WINDOWS-1252");
    EXPECT_EQ(codec.ToUnicode("Caf\xE9 \x80 \x99"), "Café € ™");
    EXPECT_EQ(codec.FromUnicode("Café € ™"), "Caf\xE9 \x80 \x99");
    std::string everyDefinedByte;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            everyDefinedByte += static_cast<char>(byte);
    EXPECT_EQ(codec.FromUnicode(codec.ToUnicode(everyDefinedByte)), everyDefinedByte);
}

TEST(TextCodec, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    const TTextCodec codec;
    EXPECT_EQ(codec.FromUnicode("a日本b"), "a??b");
    EXPECT_EQ(codec.FromUnicode("broken \xC3 utf8"), "broken ? utf8");
    EXPECT_EQ(codec.ToUnicode("x\x81y"), "x\xEF\xBF\xBDy") << "undefined bytes show as U+FFFD";
}

TEST(TextCodec, OtherCodePagesByName) {
    const TTextCodec gbk("GBK");
    EXPECT_EQ(gbk.ToUnicode("\xC4\xE3\xBA\xC3"), "你好");
    EXPECT_EQ(gbk.FromUnicode("你好"), "\xC4\xE3\xBA\xC3");
    EXPECT_EQ(gbk.ToUnicode("ab\xC4"), "ab\xEF\xBF\xBD") << "a cut character at the end";
    EXPECT_THROW(TTextCodec("NO-SUCH-CODE-PAGE"), ECampaignError);
}

TEST(TextCodec, TextsAreCutBetweenCharacters) {
    const TTextCodec gbk("GBK");
    std::string han;
    for (int i = 0; i < 200; ++i)
        han += "\xBA\xBA"; // 汉
    EXPECT_EQ(gbk.FitBytes(han, 255), han.substr(0, 254));
    EXPECT_EQ(gbk.FitBytes("a" + han, 255), ("a" + han).substr(0, 255));
    EXPECT_EQ(gbk.FitBytes("short", 255), "short");

    const TTextCodec windows1252;
    const std::string undefinedBytes(300, '\x81');
    EXPECT_EQ(windows1252.FitBytes(undefinedBytes, 255).size(), 255u)
        << "bytes the code page does not define are single characters";
}

TEST(TextCodec, UnicodeTextIsValidUtf8WhateverTheBytes) {
    const TTextCodec utf8("UTF-8");
    for (const std::string raw : {"b\xF4\x90\x80\x80", "c\xF8\x88\x80\x80\x80", "\xED\xA0\x80", "\xC0\x80"})
        EXPECT_TRUE(IsValidUtf8(utf8.ToUnicode(raw))) << raw;
    EXPECT_THROW(TTextCodec(""), ECampaignError) << "no name names no code page";
}
