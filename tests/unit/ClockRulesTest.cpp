#include <gtest/gtest.h>

#include "Main/ClockSizeRules.h"
#include "Main/DragTracker.h"
#include "Main/TimeText.h"

namespace vantrel {
namespace {

LocalDateTime At(int h, int m, int s) { return {2026, 12, 11, h, m, s}; }

TEST(TimeText, FormatsTwentyFourAndTwelveHours) {
  struct Case {
    int format;
    LocalDateTime at;
    const char* text;
  };
  const Case cases[] = {
      {0, At(9, 5, 3), "9:05:03"},      {0, At(0, 0, 0), "0:00:00"},
      {0, At(23, 59, 59), "23:59:59"},  {0, At(10, 0, 0), "10:00:00"},
      {1, At(21, 5, 3), "9:05:03 PM"},  {2, At(21, 5, 3), "9:05:03 PM"},
      {-1, At(21, 5, 3), "9:05:03 PM"}, {1, At(0, 0, 0), "12:00:00 AM"},
      {1, At(12, 0, 0), "12:00:00 PM"}, {1, At(11, 59, 59), "11:59:59 AM"},
      {1, At(13, 0, 1), "1:00:01 PM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTimeText(c.format, c.at, ":"), c.text) << c.text;
  }
}

TEST(TimeText, UsesTheFirstByteOfTheRegionalSeparator) {
  EXPECT_EQ(FormatTimeText(0, At(9, 5, 3), TimeSeparatorFromSetting(".")), "9.05.03");
  EXPECT_EQ(FormatTimeText(0, At(9, 5, 3), TimeSeparatorFromSetting("-:")), "9-05-03");
  EXPECT_EQ(FormatTimeText(0, At(9, 5, 3), TimeSeparatorFromSetting("")), "90503");
  EXPECT_EQ(FormatTimeText(1, At(9, 5, 3), TimeSeparatorFromSetting(std::nullopt)), "9:05:03 AM");
}

TEST(ClockSizeRules, SizesTheWindowAfterTheLabel) {
  EXPECT_EQ(InitialClockSize({80, 20}), (Extent{90, 21}));
  // A smaller font keeps the window; a larger one grows it where the label exceeds it.
  EXPECT_EQ(ClockSizeAfterFontChange({90, 21}, {40, 10}), (Extent{90, 21}));
  EXPECT_EQ(ClockSizeAfterFontChange({90, 21}, {120, 21}), (Extent{125, 21}));
  EXPECT_EQ(ClockSizeAfterFontChange({90, 21}, {90, 30}), (Extent{90, 35}));
  EXPECT_EQ(ClockSizeAfterFontChange({90, 21}, {91, 22}), (Extent{96, 27}));
}

TEST(ClockSizeRules, ResetsTheWidthOnlyAtTheFirstTwoSecondsOfTheDay) {
  EXPECT_EQ(MidnightClockWidth(At(0, 0, 0), 70), 80);
  EXPECT_EQ(MidnightClockWidth(At(0, 0, 1), 70), 80);
  EXPECT_EQ(MidnightClockWidth(At(0, 0, 2), 70), std::nullopt);
  EXPECT_EQ(MidnightClockWidth(At(23, 59, 59), 70), std::nullopt);
  EXPECT_EQ(MidnightClockWidth(At(0, 1, 0), 70), std::nullopt);
  EXPECT_EQ(MidnightClockWidth(At(12, 0, 0), 70), std::nullopt);
}

TEST(ClockSizeRules, ConvertsPointsToPixelsRounded) {
  EXPECT_EQ(CharacterHeightForPoints(14, 96), 19);  // 18.67
  EXPECT_EQ(CharacterHeightForPoints(9, 96), 12);
  EXPECT_EQ(CharacterHeightForPoints(3, 96), 4);
  EXPECT_EQ(CharacterHeightForPoints(15, 120), 25);
  EXPECT_EQ(CharacterHeightForPoints(-3, 96), -4);
  EXPECT_EQ(CharacterHeightForPoints(0, 96), 0);
}

TEST(DragTracker, StepsOnEverySeventhMove) {
  DragTracker drag;
  drag.Press(10, 5);
  EXPECT_TRUE(drag.dragging());
  for (int i = 1; i < 7; ++i) EXPECT_EQ(drag.Move(10 + i, 5), std::nullopt) << i;
  EXPECT_EQ(drag.Move(30, 2), (Offset{20, -3}));
  EXPECT_EQ(drag.moveCount(), 0);
  // The window moved by the shift, so the pointer is over the grab point again.
  for (int i = 1; i < 7; ++i) EXPECT_EQ(drag.Move(10, 5), std::nullopt);
  EXPECT_EQ(drag.Move(10, 5), (Offset{0, 0}));
  EXPECT_EQ(drag.Release(4, 9), (Offset{-6, 4}));
  EXPECT_FALSE(drag.dragging());
}

TEST(DragTracker, ShortDragJumpsOnRelease) {
  DragTracker drag;
  drag.Press(3, 3);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(drag.Move(-40 - i, -50), std::nullopt);
  EXPECT_EQ(drag.Release(-45, -50), (Offset{-48, -53}));  // negative client coordinates
  EXPECT_EQ(drag.moveCount(), 6);                         // kept until the next press
  drag.Press(1, 1);
  EXPECT_EQ(drag.moveCount(), 0);
}

TEST(DragTracker, IdleMovesAndReleaseWithoutPress) {
  DragTracker drag;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(drag.Move(i, i), std::nullopt);
  EXPECT_EQ(drag.moveCount(), 0);
  EXPECT_EQ(drag.Release(7, 8), (Offset{7, 8}));  // the last grab point (none yet: 0, 0)
  drag.Press(2, 2);
  EXPECT_EQ(drag.Release(2, 2), (Offset{0, 0}));
  EXPECT_EQ(drag.Release(5, 1), (Offset{3, -1}));  // a second release reuses the grab point
}

}  // namespace
}  // namespace vantrel
