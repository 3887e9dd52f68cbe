#include "ToolWindowMetrics.h"

#include <gtest/gtest.h>

TEST(ToolWindowMetrics, DragHandleTable) {
    struct Case {
        TDragHandleStyle style;
        bool close;
        int width;
    };
    for (const Case c :
         {Case{TDragHandleStyle::dhDouble, false, 9}, Case{TDragHandleStyle::dhNone, false, 0},
          Case{TDragHandleStyle::dhSingle, false, 6}, Case{TDragHandleStyle::dhDouble, true, 14},
          Case{TDragHandleStyle::dhNone, true, 14}, Case{TDragHandleStyle::dhSingle, true, 14}}) {
        TDockedFrameStyle style;
        style.handleStyle = c.style;
        style.closeButtonWhenDocked = c.close;
        EXPECT_EQ(DragHandleWidth(style), c.width);
        style.allowDrag = false;
        EXPECT_EQ(DragHandleWidth(style), 0) << "no handle on a dock that forbids dragging";
    }
}

TEST(ToolWindowMetrics, MenuBarContentStartsAtEightTwo) {
    TDockedFrameStyle style;
    style.handleStyle = TDragHandleStyle::dhSingle;
    EXPECT_EQ(DockedFrameMargins(style), QMargins(8, 2, 2, 2));
    style.verticalDock = true;
    EXPECT_EQ(DockedFrameMargins(style), QMargins(2, 8, 2, 2));
}

TEST(ToolWindowMetrics, GripBarsStartWhereTheTableSays) {
    TDockedFrameStyle style;
    const QSize size(200, 29);
    style.handleStyle = TDragHandleStyle::dhSingle;
    EXPECT_EQ(GripBarRects(style, size), (std::vector<QRect>{QRect(3, 2, 3, 25)}));
    style.handleStyle = TDragHandleStyle::dhDouble;
    EXPECT_EQ(GripBarRects(style, size),
              (std::vector<QRect>{QRect(4, 2, 3, 25), QRect(7, 2, 3, 25)}));
    style.closeButtonWhenDocked = true;
    EXPECT_EQ(GripBarRects(style, size),
              (std::vector<QRect>{QRect(5, 14, 3, 13), QRect(8, 14, 3, 13)}));
    EXPECT_EQ(DockedCloseButtonRect(style, size), QRect(3, 2, 11, 11));
    style.handleStyle = TDragHandleStyle::dhSingle;
    EXPECT_EQ(GripBarRects(style, size).front().left(), 7);
    style.verticalDock = true;
    const QSize vertical(29, 200);
    EXPECT_EQ(DockedCloseButtonRect(style, vertical), QRect(16, 3, 11, 11));
    EXPECT_EQ(GripBarRects(style, vertical), (std::vector<QRect>{QRect(2, 7, 13, 3)}));
    style.handleStyle = TDragHandleStyle::dhNone;
    style.closeButtonWhenDocked = false;
    EXPECT_TRUE(GripBarRects(style, vertical).empty());
}

TEST(ToolWindowMetrics, FloatingEdgeZonesWithoutCorners) {
    const TFloatingFrameMetrics metrics;
    const QSize window(100, 60);
    struct Case {
        QPoint point;
        TFloatingZone zone;
    };
    for (const Case c : {Case{{0, 0}, TFloatingZone::Top}, Case{{50, 3}, TFloatingZone::Top},
                         Case{{50, 4}, TFloatingZone::Client}, Case{{50, 55}, TFloatingZone::Bottom},
                         Case{{50, 54}, TFloatingZone::Client}, Case{{3, 30}, TFloatingZone::Left},
                         Case{{95, 30}, TFloatingZone::Right}, Case{{94, 30}, TFloatingZone::Client},
                         Case{{99, 59}, TFloatingZone::Bottom}, Case{{88, 10}, TFloatingZone::Close},
                         Case{{82, 10}, TFloatingZone::Client}})
        EXPECT_EQ(FloatingHitZone(metrics, window, c.point, true), c.zone)
            << c.point.x() << "," << c.point.y();
    EXPECT_EQ(FloatingHitZone(metrics, window, {88, 10}, false), TFloatingZone::Client);
    EXPECT_EQ(metrics.closeButtonRect(window), QRect(83, 5, 12, 12));
    EXPECT_EQ(metrics.margins(), QMargins(4, 19, 4, 4));
}

TEST(ToolWindowMetrics, CaptionIsShortenedWithDots) {
    const auto measure = [](const QString& text) { return static_cast<int>(text.size()) * 6; };
    EXPECT_EQ(ShortenCaption("Standard Toolbar", 96, measure), "Standard Toolbar");
    EXPECT_EQ(ShortenCaption("Standard Toolbar", 60, measure), "Standar...");
    EXPECT_EQ(ShortenCaption("Standard Toolbar", 5, measure), "S...");
    EXPECT_EQ(ShortenCaption("", 0, measure), "");
}
