#include "KeyboardStops.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using enum TKeyboardStep;
constexpr TKeyboardStop Button{};
constexpr TKeyboardStop Separator{.separator = true};
constexpr TKeyboardStop Disabled{.enabled = false};
constexpr TKeyboardStop Hidden{.visible = false};
constexpr std::optional<std::size_t> Outside = std::nullopt;

} // namespace

TEST(KeyboardStops, MovesRoundPassingOverWhatCannotTakeTheKeyboard) {
    // A toolbar's shape: buttons in groups, a disabled and a hidden one among them.
    const std::vector<TKeyboardStop> line{Button,    Separator, Disabled, Button,
                                         Separator, Hidden,    Button,   Disabled};
    struct Case {
        std::optional<std::size_t> from;
        TKeyboardStep step;
        std::optional<std::size_t> to;
    };
    const Case cases[] = {
        {Outside, Next, 0}, {Outside, Previous, 6}, {Outside, First, 0}, {Outside, Last, 6},
        {0, Next, 3},       {3, Next, 6},           {6, Next, 0},        {0, Previous, 6},
        {3, Previous, 0},   {6, First, 0},          {0, Last, 6},        {2, Next, 3},
        {7, Next, 0},       {99, Next, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextKeyboardStop(line, c.from, c.step), c.to)
            << "from " << c.from.value_or(-1) << " step " << int(c.step);
}

TEST(KeyboardStops, ALineWithNothingUsableHasNoStop) {
    const std::vector<TKeyboardStop> line{Separator, Disabled, Hidden};
    EXPECT_EQ(NextKeyboardStop(line, Outside, Next), std::nullopt);
    EXPECT_EQ(NextKeyboardStop({}, Outside, Last), std::nullopt);
    const std::vector<TKeyboardStop> one{Disabled, Button};
    EXPECT_EQ(NextKeyboardStop(one, 1, Next), 1u) << "the only stop stays";
}

TEST(KeyboardStops, ToolbarKeys) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool vertical;
        TToolbarKey action;
    };
    using enum TToolbarKey;
    const Case cases[] = {
        {Qt::Key_Left, {}, false, Previous},
        {Qt::Key_Right, {}, false, Next},
        {Qt::Key_Up, {}, false, Swallow},
        {Qt::Key_Down, {}, false, OpenMenu},
        {Qt::Key_Up, {}, true, Previous},
        {Qt::Key_Down, {}, true, Next},
        {Qt::Key_Down, Qt::AltModifier, true, OpenMenu},
        {Qt::Key_F4, {}, false, OpenMenu},
        {Qt::Key_Home, {}, false, First},
        {Qt::Key_End, Qt::KeypadModifier, false, Last},
        {Qt::Key_Space, {}, false, Press},
        {Qt::Key_Return, {}, false, Press},
        {Qt::Key_Enter, Qt::KeypadModifier, false, Press},
        {Qt::Key_Escape, {}, false, Leave},
        {Qt::Key_Alt, Qt::AltModifier, false, Stay},
        {Qt::Key_F6, Qt::ShiftModifier, false, Stay},
        {Qt::Key_Tab, {}, false, PassOn},
        {Qt::Key_A, {}, false, PassOn},
        {Qt::Key_Z, Qt::ControlModifier, false, PassOn},
        {Qt::Key_Right, Qt::ControlModifier, false, PassOn},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolbarKeyAction(c.key, c.modifiers, c.vertical), c.action)
            << "key " << c.key << (c.vertical ? " vertical" : "");
}
