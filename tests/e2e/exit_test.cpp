// The ways a user leaves the wizard: Cancel and its question, the caption's close, Alt+F4.
#include "gbk.h"
#include "wizard.h"

namespace {

class CancelTest : public WizardTest, public testing::WithParamInterface<Page> {
 protected:
  // Clicks Cancel and checks the question: a Yes/No box over disabled pages.
  void AskToLeave() {
    ASSERT_NO_FATAL_FAILURE(Click(LayoutOf(at_).cancel));
    DriverResult box = Driver({"wait-box", kBoxTitle, "5000"});
    ASSERT_TRUE(box.ok) << "no box titled \"" << kBoxTitle << "\" after Cancel";
    box_ = WindowOf(box.first());
    bool question = false;
    std::vector<int> buttons;
    for (size_t i = 1; i < box.lines.size(); ++i) {
      Control control = ControlOf(box.lines[i]);
      question = question || control.text == Gbk(kExitQuestion);
      if (control.visible && control.class_name == "Button") buttons.push_back(control.id);
    }
    EXPECT_TRUE(question) << "the box does not ask \"" << kExitQuestion << "\"";
    EXPECT_EQ(buttons, (std::vector<int>{6, 7})) << "buttons other than Yes (6) and No (7)";
    DriverResult page = Driver({"window", page_.hwnd});
    ASSERT_TRUE(page.ok);
    EXPECT_FALSE(WindowOf(page.first()).enabled) << "the page takes input while the box is open";
  }
  Window box_;
};

TEST_P(CancelTest, NoLeavesThePageAsItWas) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam()));
  ASSERT_NO_FATAL_FAILURE(AskToLeave());
  ASSERT_TRUE(Driver({"answer-box", kBoxTitle, "no"}).ok);
  ASSERT_TRUE(Driver({"wait-gone", box_.hwnd, "5000"}).ok) << "the box stayed after No";
  DriverResult page = Driver({"window", page_.hwnd});
  ASSERT_TRUE(page.ok) << "the page is gone after No";
  Window after = WindowOf(page.first());
  EXPECT_TRUE(after.enabled);
  EXPECT_TRUE(after.visible);
  EXPECT_EQ(after.rect, page_.rect);
  EXPECT_EQ(PageWindows().size(), 1u);
  EXPECT_TRUE(program_->Running());
}

TEST_P(CancelTest, YesEndsTheProgramWithExitCodeZero) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam()));
  ASSERT_NO_FATAL_FAILURE(AskToLeave());
  ASSERT_TRUE(Driver({"answer-box", kBoxTitle, "yes"}).ok);
  EXPECT_EQ(WaitExit(), 0);
}

const auto kPageName = [](const testing::TestParamInfo<Page>& info) {
  return std::string(NameOf(info.param));
};

INSTANTIATE_TEST_SUITE_P(Pages, CancelTest,
                         testing::Values(Page::kWelcome, Page::kLicense, Page::kDestination),
                         kPageName);

enum class Closing { kCloseButton, kAltF4 };

struct CloseCase {
  Page page;
  Closing how;
};
void PrintTo(const CloseCase& c, std::ostream* out) {
  *out << NameOf(c.page) << (c.how == Closing::kAltF4 ? " by Alt+F4" : " by its close button");
}

class CloseTest : public WizardTest, public testing::WithParamInterface<CloseCase> {};

// Closing a page by its caption asks nothing and ends the program with 0.
TEST_P(CloseTest, EndsTheProgramWithExitCodeZero) {
  ASSERT_NO_FATAL_FAILURE(GoTo(GetParam().page));
  if (GetParam().how == Closing::kCloseButton) {
    DriverResult closed = Driver({"close-caption", page_.hwnd});
    ASSERT_TRUE(closed.ok) << closed.out;
  } else {
    ASSERT_NO_FATAL_FAILURE(Activate());
    ASSERT_TRUE(Driver({"key", "alt-f4"}).ok);
  }
  int code = WaitExit();
  if (code == -1) ADD_FAILURE() << "still running; boxes on the screen: " << Boxes().size();
  EXPECT_EQ(code, 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, CloseTest,
                         testing::Values(CloseCase{Page::kWelcome, Closing::kCloseButton},
                                         CloseCase{Page::kWelcome, Closing::kAltF4},
                                         CloseCase{Page::kLicense, Closing::kCloseButton},
                                         CloseCase{Page::kDestination, Closing::kAltF4},
                                         CloseCase{Page::kProgress, Closing::kCloseButton}),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                           return std::string(NameOf(info.param.page)) +
                                  (info.param.how == Closing::kAltF4 ? "ByAltF4" : "ByCloseButton");
                         });

}  // namespace
