// Keys that must do nothing on a page: no page change, no question, no ending.
#include "wizard.h"

#include <unistd.h>

namespace {

struct KeyCase {
  Page page;
  const char* key;  // the driver's key name
};
void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << c.key << " on " << NameOf(c.page);
}

class IgnoredKeyTest : public WizardTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(IgnoredKeyTest, LeavesThePageAsItWas) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam().page));
  ASSERT_NO_FATAL_FAILURE(Activate());
  ASSERT_TRUE(Driver({"key", GetParam().key}).ok);
  usleep(700 * 1000);  // what a key starts shows within this time
  EXPECT_TRUE(Boxes().empty()) << "a box appeared";
  std::vector<Window> pages = PageWindows();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].hwnd, page_.hwnd) << "the page was replaced";
  EXPECT_TRUE(pages[0].enabled);
  EXPECT_TRUE(program_->Running());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, IgnoredKeyTest,
    testing::Values(KeyCase{Page::kWelcome, "esc"}, KeyCase{Page::kWelcome, "enter"},
                    KeyCase{Page::kWelcome, "f1"}, KeyCase{Page::kLicense, "esc"},
                    KeyCase{Page::kLicense, "enter"}, KeyCase{Page::kDestination, "esc"},
                    KeyCase{Page::kDestination, "enter"}, KeyCase{Page::kProgress, "esc"}),
    [](const testing::TestParamInfo<KeyCase>& info) {
      std::string key = info.param.key;
      key[0] = static_cast<char>(key[0] - 'a' + 'A');
      return std::string(NameOf(info.param.page)) + key;
    });

}  // namespace
