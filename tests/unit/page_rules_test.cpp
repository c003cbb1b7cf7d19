// Rules of the page frame that need no window: gradient rows, centring, Tab order.
#include <gtest/gtest.h>

#include "ui/gradient.h"
#include "ui/page_frame.h"
#include "ui/progress_page.h"
#include "ui/tab_order.h"

namespace {

TEST(Gradient, MainBackgroundRunsFromGreyToAlmostWhite) {
  const ControlDef background = MainBackground();
  uint32_t rows[334];
  ASSERT_TRUE(GradientRowsTopDown(background.gradient, 334, rows));
  EXPECT_EQ(rows[0], Rgb(128, 128, 128));
  EXPECT_EQ(rows[332], Rgb(254, 254, 254));  // the last row on screen with the Wine frame
  EXPECT_EQ(rows[333], Rgb(254, 254, 254));  // never pure white
  EXPECT_EQ(rows[167], Rgb(191, 191, 191));  // 128 + trunc(167/334 * 127)
}

TEST(Gradient, ProgressStripShadesThroughBlueBottomToTop) {
  const ControlDef& strip = kProgressPage.controls[ProgressPage::标签1];
  uint32_t rows[15];
  ASSERT_TRUE(GradientRowsTopDown(strip.gradient, 15, rows));
  const struct {
    int row;
    uint32_t colour;
  } expected[] = {
      {0, Rgb(236, 236, 236)}, {1, Rgb(202, 202, 239)},  {6, Rgb(33, 33, 253)},
      {7, Rgb(0, 0, 255)},     {13, Rgb(203, 203, 238)}, {14, Rgb(236, 236, 236)},
  };
  for (const auto& e : expected) EXPECT_EQ(rows[e.row], e.colour) << "row " << e.row;
}

TEST(Gradient, FewerThanTwoColoursIsNotDrawn) {
  uint32_t rows[10];
  EXPECT_FALSE(GradientRowsTopDown({false, 1, {Rgb(1, 2, 3), 0, 0}}, 10, rows));
  EXPECT_FALSE(GradientRowsTopDown({false, 0, {}}, 10, rows));
}

TEST(Gradient, LabelShorterThanItsColourCountShowsTheLastColour) {
  const Gradient three = {false, 3, {Rgb(0, 0, 0), Rgb(100, 100, 100), Rgb(200, 200, 200)}};
  EXPECT_EQ(GradientRow(three, 1, 0), Rgb(200, 200, 200));
}

TEST(Centring, UsesTheFullScreenWithIntegerDivision) {
  const struct {
    plat::Size screen;
    int left, top;
  } cases[] = {
      {{1024, 768}, 272, 205},  {{800, 600}, 160, 121}, {{1025, 769}, 272, 205},
      {{1920, 1080}, 720, 361}, {{400, 300}, -40, -29},  // toward zero, not down
  };
  for (const auto& c : cases) {
    plat::Rect place = CentredPlace(c.screen);
    EXPECT_EQ(place.left, c.left) << c.screen.width;
    EXPECT_EQ(place.top, c.top) << c.screen.height;
    EXPECT_EQ(place.width, 480);
    EXPECT_EQ(place.height, 358);
  }
}

TEST(TabOrder, GoesUpTheListAndWraps) {
  // The destination page: buttons at 3, 5, 6, 7 and the edit box at 4.
  const bool eligible[] = {false, false, false, true, true, true, true, true, false, false};
  int order[6] = {7};
  for (int i = 1; i < 6; ++i) order[i] = NextTabStop(eligible, 10, order[i - 1], false);
  const int expected[6] = {7, 6, 5, 4, 3, 7};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(order[i], expected[i]);
  EXPECT_EQ(NextTabStop(eligible, 10, 7, true), 3);  // Shift+Tab wraps the other way
  EXPECT_EQ(NextTabStop(eligible, 10, 4, true), 5);
  EXPECT_EQ(NextTabStop(eligible, 10, -1, false), 7);
}

TEST(TabOrder, NothingEligible) {
  const bool none[] = {false, false, false};
  EXPECT_EQ(NextTabStop(none, 3, 1, false), -1);
  const bool one[] = {false, true, false};
  EXPECT_EQ(NextTabStop(one, 3, 1, false), 1);
}

}  // namespace
