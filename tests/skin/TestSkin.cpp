// The skin both windows paint from: its rules and its layout.

#include "skin/ButtonFace.h"
#include "skin/DialogLayout.h"
#include "skin/MainLayout.h"
#include "skin/Outline.h"
#include "skin/ProgressBar.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace lumbrant::skin {
namespace {

TEST(ButtonStateRule, DisabledWinsOverPressedOverHotOverFocused) {
    struct Row {
        bool Enabled, Pressed, Hot, Focused;
        ButtonState Shown;
    };
    const std::vector<Row> rows = {
        {true, false, false, false, ButtonState::Normal},
        {true, false, false, true, ButtonState::Focused},
        {true, false, true, true, ButtonState::Hot},
        {true, true, true, true, ButtonState::Pressed},
        {true, true, false, false, ButtonState::Pressed},
        {false, true, true, true, ButtonState::Disabled},
        {false, false, false, false, ButtonState::Disabled},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StateOf(row.Enabled, row.Pressed, row.Hot, row.Focused), row.Shown)
            << row.Enabled << row.Pressed << row.Hot << row.Focused;
    }
}

TEST(ButtonFaces, NormalHotPressedAndDisabledEachLookTheirOwn) {
    std::set<std::tuple<int, int, int>> tops;
    for (const ButtonState state :
         {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled}) {
        const Colour top = LookOf(state).Top;
        tops.insert({top.Red, top.Green, top.Blue});
    }
    EXPECT_EQ(tops.size(), 4u);
    // A pressed face is lit from below; the others from above.
    EXPECT_LT(LookOf(ButtonState::Pressed).Top.Blue, LookOf(ButtonState::Pressed).Bottom.Blue);
    EXPECT_GT(LookOf(ButtonState::Normal).Top.Blue, LookOf(ButtonState::Normal).Bottom.Blue);
}

// The middle shades as the Linux window's toolkit makes them (its darker(125)
// and lighter(115) of the face's edges), give or take its finer rounding.
TEST(ButtonFaces, TheGradientDarkensTheTopAndLightensTheBottomTowardsTheBreak) {
    struct Row {
        ButtonState State;
        Colour TopMiddle, BottomMiddle;
    };
    const std::vector<Row> rows = {
        {ButtonState::Normal, {70, 75, 109}, {44, 47, 74}},
        {ButtonState::Hot, {90, 96, 138}, {57, 62, 99}},
        {ButtonState::Pressed, {24, 26, 38}, {83, 89, 131}},
        {ButtonState::Disabled, {83, 83, 90}, {90, 90, 99}},
    };
    const auto near = [](const Colour& a, const Colour& b) {
        return std::abs(a.Red - b.Red) <= 1 && std::abs(a.Green - b.Green) <= 1 &&
               std::abs(a.Blue - b.Blue) <= 1;
    };
    for (const Row& row : rows) {
        const FaceLook look = LookOf(row.State);
        const auto stops = FaceStops(look);
        EXPECT_EQ(stops.front().Shade, look.Top);
        EXPECT_EQ(stops.back().Shade, look.Bottom);
        EXPECT_TRUE(near(stops[1].Shade, row.TopMiddle)) << static_cast<int>(row.State);
        EXPECT_TRUE(near(stops[2].Shade, row.BottomMiddle)) << static_cast<int>(row.State);
        EXPECT_LT(stops[1].At, stops[2].At);
    }
}

TEST(RoundedOutline, IsTheWindowRectangleWithCornersCutBy25PixelEllipses) {
    for (const Size size : {kMainWindowSize, kDialogSize}) {
        SCOPED_TRACE(size.Width);
        const int r = size.Width - 1;
        const int b = size.Height - 1;
        for (const Point corner : {Point{0, 0}, Point{r, 0}, Point{0, b}, Point{r, b}, Point{2, 2},
                                   Point{r - 2, b - 2}}) {
            EXPECT_FALSE(OutlineContains(size, corner)) << corner.X << "," << corner.Y;
        }
        for (const Point inside :
             {Point{5, 5}, Point{r - 5, 5}, Point{5, b - 5}, Point{r - 5, b - 5},
              Point{r / 2, b / 2}, Point{12, 0}, Point{0, 12}, Point{r / 2, b}, Point{r, b / 2}}) {
            EXPECT_TRUE(OutlineContains(size, inside)) << inside.X << "," << inside.Y;
        }
        for (const Rect& piece : RoundedOutline(size).Rectangles) {
            EXPECT_TRUE((Rect{0, 0, size.Width, size.Height}.Contains(piece)));
        }
    }
}

TEST(ProgressBarFill, GrowsWithTheStoriesHandledAlongTheBottomOfTheLine) {
    struct Row {
        int Handled, Total;
        bool Shown;
        int Filled;
    };
    const std::vector<Row> rows = {
        {0, 0, false, 0},  {3, 0, false, 0},   {0, 8, true, 0},  {4, 8, true, 116},
        {8, 8, true, 232}, {12, 8, true, 232}, {-1, 8, true, 0}, {1, 3, true, 77},
    };
    const Size line{kNotifierPlace.Width, kNotifierPlace.Height};
    for (const Row& row : rows) {
        const ProgressBarPlaces bar = ProgressBar(line, row.Handled, row.Total);
        EXPECT_EQ(bar.Shown, row.Shown) << row.Handled << "/" << row.Total;
        if (bar.Shown) {
            EXPECT_EQ(bar.Fill.Width, row.Filled) << row.Handled << "/" << row.Total;
            EXPECT_EQ(bar.Track, (Rect{0, line.Height - kBarHeight, line.Width, kBarHeight}));
            EXPECT_EQ(bar.Fill.Top, bar.Track.Top);
        }
    }
}

TEST(Centring, QuotientsAreRoundedTowardZeroEvenOffTheScreen) {
    struct Row {
        Rect Owner;
        Size Window;
        Point Expected;
    };
    const std::vector<Row> rows = {
        {{0, 0, 1024, 768}, kMainWindowSize, {311, 233}},
        {{0, 0, 300, 200}, kMainWindowSize, {-51, -50}},
        {{100, 80, 402, 301}, kDialogSize, {133, 119}},
        {{-200, -150, 402, 301}, kDialogSize, {-167, -111}},
        {{10, 10, 300, 200}, kDialogSize, {-7, -1}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CentredOver(row.Owner, row.Window), row.Expected) << row.Owner.Left;
    }
}

TEST(MainLayout, ControlsLieInsideTheWindowAndApartFromEachOther) {
    const Rect window{0, 0, kMainWindowSize.Width, kMainWindowSize.Height};
    const std::vector<Rect> controls = {kNotifierPlace, kMinimizePlace,       kClosePlace,
                                        kWebPlace,      kDeviceSelectorPlace, kCountrySelectorPlace,
                                        kGetNewsPlace};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(window.Contains(controls[i])) << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i].Intersects(controls[j])) << i << " and " << j;
        }
    }
    for (const Rect& title : {kNotifierPlace, kMinimizePlace, kClosePlace}) {
        EXPECT_LE(title.Bottom(), kTitleHeight);
    }
    // The selectors stand on the lower panel, beside its labels.
    EXPECT_TRUE(kPanel3Place.Contains(kDeviceSelectorPlace));
    EXPECT_TRUE(kPanel3Place.Contains(kCountrySelectorPlace));
    EXPECT_TRUE(window.Contains(kPanel2Place));
    EXPECT_TRUE(window.Contains(kPanel3Place));
}

TEST(DialogLayout, ButtonsLieInsideTheDialogAndTheTitleButtonsOnItsStrip) {
    const Rect dialog{0, 0, kDialogSize.Width, kDialogSize.Height};
    for (const Rect& button : {kDialogLeftButton, kDialogRightButton, kReportTextPlace}) {
        EXPECT_TRUE(dialog.Contains(button));
    }
    EXPECT_FALSE(kDialogLeftButton.Intersects(kDialogRightButton));
    for (const Point origin : {kDialogWebOrigin, kDialogMinimizeOrigin, kDialogCloseOrigin}) {
        const Rect button{origin.X, origin.Y, kSmallButtonSize.Width, kSmallButtonSize.Height};
        EXPECT_TRUE(kDialogWell.Place.Contains(button));
        EXPECT_LT(button.Bottom(), kTitleHeight);
    }
}

int Lightness(const Colour& colour) {
    return (std::max({colour.Red, colour.Green, colour.Blue}) +
            std::min({colour.Red, colour.Green, colour.Blue})) /
           2;
}

TEST(FrameColours, TheOutlineStandsOutLightOnDarkWindowsAndDarkOnLightOnes) {
    EXPECT_TRUE(IsDark(kWindowColour));
    EXPECT_FALSE(IsDark(kDialogColour));
    const FrameColours dark = FrameColoursFor(kWindowColour);
    const FrameColours light = FrameColoursFor(kDialogColour);
    EXPECT_EQ(dark.Body, kWindowColour);
    EXPECT_EQ(light.Body, kDialogColour);
    EXPECT_GT(Lightness(dark.OuterLine), Lightness(kWindowColour));
    EXPECT_LT(Lightness(light.OuterLine), Lightness(kDialogColour));
}

} // namespace
} // namespace lumbrant::skin
