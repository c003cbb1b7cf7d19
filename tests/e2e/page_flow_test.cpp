// Next and Back as a user clicks them: each step shows a new page and removes the old one.
#include "wizard.h"

namespace {

TEST_F(WizardTest, NextLeadsThroughEveryPageInOrder) {
  const Page kOrder[] = {Page::kLicense, Page::kDestination, Page::kProgress};
  for (Page target : kOrder) {
    std::string previous = page_.hwnd;
    ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, target));
    EXPECT_NE(page_.hwnd, previous);
    EXPECT_EQ(page_.rect, (Box{272, 205, 480, 358})) << NameOf(target);
    ASSERT_NO_FATAL_FAILURE(ExpectLayout(target));
    EXPECT_EQ(PageWindows().size(), 1u) << "one page on the screen at " << NameOf(target);
  }
}

struct BackCase {
  Page from, to;
};
void PrintTo(const BackCase& c, std::ostream* out) {
  *out << "Back from " << NameOf(c.from) << " to " << NameOf(c.to);
}

class BackTest : public WizardTest, public testing::WithParamInterface<BackCase> {};

// Back builds a new page, and Next from it leads on again.
TEST_P(BackTest, BackShowsThePreviousPageAgain) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam().from));
  std::string left = page_.hwnd;
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).back, GetParam().to));
  EXPECT_NE(page_.hwnd, left);
  EXPECT_EQ(page_.rect, (Box{272, 205, 480, 358}));
  ASSERT_NO_FATAL_FAILURE(ExpectLayout(GetParam().to));
  EXPECT_EQ(PageWindows().size(), 1u);
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, GetParam().from));
  ASSERT_NO_FATAL_FAILURE(ExpectLayout(GetParam().from));
}

INSTANTIATE_TEST_SUITE_P(Pages, BackTest,
                         testing::Values(BackCase{Page::kLicense, Page::kWelcome},
                                         BackCase{Page::kDestination, Page::kLicense}),
                         [](const testing::TestParamInfo<BackCase>& info) {
                           return std::string("From") + NameOf(info.param.from);
                         });

}  // namespace
