// What every page looks like where it opens: frame, place, title, buttons and background.
#include "gbk.h"
#include "wizard.h"

namespace {

class PageFrameTest : public WizardTest, public testing::WithParamInterface<Page> {};

TEST_P(PageFrameTest, OpensCentredWithTitleAndButtons) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam()));
  EXPECT_EQ(page_.rect, (Box{272, 205, 480, 358})) << "outer rectangle on a 1024 x 768 screen";
  EXPECT_EQ(page_.client.width, 474);
  EXPECT_EQ(page_.client.height, 333);
  EXPECT_EQ(page_.title, Gbk(kPageTitle)) << "title reads \"" << Utf8(page_.title) << "\"";
  EXPECT_TRUE(page_.visible);
  EXPECT_TRUE(page_.enabled);
  ExpectLayout(GetParam());
}

// Row y of the background, 334 rows from grey 128 to white: 128 + trunc(y / 334 * 127).
int BackgroundLevel(int y) {
  return 128 + y * 127 / 334;
}

// Column 470 of the client area lies beside every control of every page.
TEST_P(PageFrameTest, BackgroundIsTheGreyToWhiteGradient) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam()));
  Screenshot shot;
  ASSERT_NO_FATAL_FAILURE(Shoot("page", &shot));
  const int x = page_.client.left + 470;
  EXPECT_EQ(shot.At(x, page_.client.top), (Rgb{128, 128, 128})) << "first row";
  EXPECT_EQ(shot.At(x, page_.client.top + 332), (Rgb{254, 254, 254})) << "last row on the screen";
  for (int y = 0; y < page_.client.height; ++y) {
    int level = BackgroundLevel(y);
    ASSERT_EQ(shot.At(x, page_.client.top + y), (Rgb{level, level, level})) << "client row " << y;
  }
}

TEST_F(WizardTest, FinishButtonIsDisabledWhenTheProgressPageAppears) {
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kProgress));
  const Control* finish = nullptr;
  for (const Control& control : controls_)
    if (control.id == 5) finish = &control;
  ASSERT_NE(finish, nullptr);
  EXPECT_FALSE(finish->enabled);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFrameTest,
                         testing::Values(Page::kWelcome, Page::kLicense, Page::kDestination,
                                         Page::kProgress),
                         [](const testing::TestParamInfo<Page>& info) {
                           return std::string(NameOf(info.param));
                         });

}  // namespace
