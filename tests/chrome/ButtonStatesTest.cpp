#include "ButtonStates.h"

#include <gtest/gtest.h>

using namespace ButtonStates;
using S = TButtonState;

TEST(ButtonStates, EnterAndPress) {
    EXPECT_EQ(onEnter(S::bsUp), S::bsHot);
    EXPECT_EQ(onEnter(S::bsExclusive), S::bsExclusive);
    EXPECT_EQ(onEnter(S::bsDisabled), S::bsDisabled);
    EXPECT_EQ(onPress(S::bsUp, false), S::bsDown);
    EXPECT_EQ(onPress(S::bsHot, false), S::bsDown);
    EXPECT_EQ(onPress(S::bsExclusive, true), S::bsExclusive) << "a latched button keeps its look";
}

TEST(ButtonStates, DraggingInAndOut) {
    EXPECT_EQ(whileDragging(false, true), S::bsDown);
    EXPECT_EQ(whileDragging(false, false), S::bsUp);
    EXPECT_EQ(whileDragging(true, false), S::bsExclusive);
    EXPECT_EQ(whileDragging(true, true), S::bsExclusive);
}

TEST(ButtonStates, Leaving) {
    struct Case {
        S from;
        bool down, grouped, clicking;
        S to;
    };
    const Case cases[] = {
        {S::bsHot, false, false, false, S::bsUp},
        {S::bsHot, true, true, false, S::bsExclusive},
        {S::bsHot, true, false, false, S::bsUp},
        {S::bsDown, false, false, false, S::bsUp},
        {S::bsDown, false, false, true, S::bsDown},
        {S::bsExclusive, true, true, false, S::bsExclusive},
        {S::bsDisabled, false, false, false, S::bsDisabled},
        {S::bsUp, true, true, false, S::bsUp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(onLeave(c.from, c.down, c.grouped, c.clicking), c.to)
            << int(c.from) << " down " << c.down << " grouped " << c.grouped << " clicking " << c.clicking;
}

TEST(ButtonStates, ClickEnableAndDown) {
    EXPECT_EQ(onClickStart(S::bsUp), S::bsDown);
    EXPECT_EQ(onClickStart(S::bsHot), S::bsDown);
    EXPECT_EQ(onClickStart(S::bsExclusive), S::bsExclusive);
    EXPECT_EQ(onClickEnd(S::bsDown), S::bsUp);
    EXPECT_EQ(onClickEnd(S::bsExclusive), S::bsExclusive);
    EXPECT_EQ(onEnable(true, true), S::bsExclusive);
    EXPECT_EQ(onEnable(true, false), S::bsUp);
    EXPECT_EQ(onEnable(false, true), S::bsUp);
    EXPECT_EQ(forDown(true, true), S::bsExclusive);
    EXPECT_EQ(forDown(false, true), S::bsUp);
    EXPECT_EQ(forDown(true, false), S::bsDisabled);
}
