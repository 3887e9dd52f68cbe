#pragma once

// A screen is too small for the window only when it is short of both thresholds: 1024 x 480
// and 640 x 600 pass, 640 x 480 does not.
constexpr bool ScreenTooSmall(int width, int height) {
    return width < 800 && height < 600;
}
