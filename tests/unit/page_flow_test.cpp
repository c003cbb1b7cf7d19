// The wizard's page flow on the simulated Windows, driven as a user drives it.
#include <gtest/gtest.h>

#include "tests/unit/wizard_support.h"
#include "ui/destination_page.h"
#include "ui/license_page.h"
#include "ui/progress_page.h"
#include "ui/welcome_page.h"

namespace {

using namespace wizard;
using plat::Handle;

class PageFlow : public ::testing::Test {
 protected:
  void SetUp() override { sim::Reset(); }
  static void Step(std::function<void()> step) { sim::AddStep(std::move(step)); }
  static void ClickOnly(int index) { sim::Click(Control(OnlyPage(), index)); }
  // Steps that walk from the welcome page to the destination page.
  static void WalkToDestination() {
    Step([] { ClickOnly(WelcomePage::按钮2); });
    Step([] { ClickOnly(LicensePage::按钮2); });
  }
};

TEST_F(PageFlow, StartsWithTheWelcomePageCentredShownAndActive) {
  Step([] {
    Handle page = OnlyPage();
    EXPECT_TRUE(Shows(page, WizardPageId::WelcomePage));
    sim::WindowInfo info = sim::Info(page);
    EXPECT_TRUE(info.visible);
    EXPECT_EQ(info.text, "青禾网音乐盒 V2.1 绿色中文版");
    EXPECT_EQ(info.place.left, 272);
    EXPECT_EQ(info.place.top, 205);
    EXPECT_EQ(info.place.width, 480);
    EXPECT_EQ(info.place.height, 358);
    EXPECT_EQ(sim::Active(), page);
    EXPECT_EQ(sim::Focused(), Control(page, WelcomePage::按钮2));
    sim::CloseByCaption(page);
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.how, sim::Ended::Returned);
  EXPECT_EQ(outcome.exit_code, 0);
}

TEST_F(PageFlow, PageIsCentredOnTheScreenItOpensOn) {
  sim::Config config;
  config.screen_width = 800;
  config.screen_height = 600;
  sim::Reset(config);
  Step([] {
    EXPECT_EQ(sim::Info(OnlyPage()).place.left, 160);
    EXPECT_EQ(sim::Info(OnlyPage()).place.top, 121);
    sim::CloseByCaption(OnlyPage());
  });
  RunInstaller();
}

TEST_F(PageFlow, StartUpRestrictsLibrariesThenStartsOleThenSetsTheFolder) {
  Step([] { sim::CloseByCaption(OnlyPage()); });
  RunInstaller();
  int restrict = FindCall("RestrictLibrarySearch");
  int ole = FindCall("OleInitialize");
  int directory = FindCall("SetCurrentDirectoryA");
  int page = FindCall("CreatePage");
  EXPECT_EQ(restrict, 0);
  EXPECT_LT(restrict, ole);
  EXPECT_LT(ole, directory);
  EXPECT_LT(directory, page);
  EXPECT_EQ(sim::OleStartCount(), 1);
  EXPECT_EQ(sim::OleStopCount(), 1);
}

TEST_F(PageFlow, CurrentDirectoryIsTheExecutablesFolder) {
  const struct {
    const char* module;
    const char* directory;
  } cases[] = {
      {"C:\\Users\\user\\Downloads\\setup.exe", "C:\\Users\\user\\Downloads"},
      {"D:\\下载\\淺\\setup.exe", "D:\\下载\\淺"},
      {"C:\\dl\\安装淺.exe", "C:\\dl"},  // the trail byte 0x5C is no separator
      {"E:\\setup.exe", "E:\\"},         // "E:" alone would name the drive's current folder
      {"\\\\server\\share\\setup.exe", "\\\\server\\share"},
  };
  for (const auto& c : cases) {
    sim::Config config;
    config.module_path = c.module;
    sim::Reset(config);
    Step([] { sim::CloseByCaption(OnlyPage()); });
    RunInstaller();
    EXPECT_EQ(sim::CurrentDirectory(), c.directory) << c.module;
  }
}

TEST_F(PageFlow, NextAndBackShowFreshPagesInWizardOrder) {
  static std::vector<WizardPageId> shown;
  static std::vector<Handle> windows;
  shown.clear();
  windows.clear();
  auto record = [] {
    Handle page = OnlyPage();
    windows.push_back(page);
    for (int p = 0; p < kPageCount; ++p)
      if (Shows(page, static_cast<WizardPageId>(p))) shown.push_back(static_cast<WizardPageId>(p));
  };
  // Next, Back, Next, Next, Back, Next, Next: the control each step clicks.
  const int clicks[] = {WelcomePage::按钮2,    LicensePage::按钮1,     WelcomePage::按钮2,
                        LicensePage::按钮2,    DestinationPage::按钮1, LicensePage::按钮2,
                        DestinationPage::按钮2};
  for (int click : clicks) {
    Step([=] {
      record();
      ClickOnly(click);
    });
  }
  Step([=] {
    record();
    sim::CloseByCaption(OnlyPage());
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.how, sim::Ended::Returned);
  using enum WizardPageId;
  const std::vector<WizardPageId> expected = {WelcomePage,     LicensePage,     WelcomePage,
                                              LicensePage,     DestinationPage, LicensePage,
                                              DestinationPage, ProgressPage};
  EXPECT_EQ(shown, expected);
  for (size_t i = 0; i < windows.size(); ++i)
    for (size_t j = 0; j < i; ++j) EXPECT_NE(windows[i], windows[j]) << "a page was reused";
}

TEST_F(PageFlow, ReturningToTheDestinationPageResetsTheFolder) {
  WalkToDestination();
  Step([] {
    sim::Type(Control(OnlyPage(), DestinationPage::编辑框1), "D:\\Games\\");
    ClickOnly(DestinationPage::按钮1);
  });
  Step([] { ClickOnly(LicensePage::按钮2); });
  Step([] {
    EXPECT_EQ(sim::Info(Control(OnlyPage(), DestinationPage::编辑框1)).text, "C:\\Program Files\\");
    sim::CloseByCaption(OnlyPage());
  });
  RunInstaller();
}

TEST_F(PageFlow, CreatedHandlerRunsWhileTheNewPageIsHiddenAndTheOldOneOnScreen) {
  static int checked;
  checked = 0;
  sim::OnCall([](const std::string& line) {
    // ProgressPage.onCreated starts the timer while its page is still hidden.
    if (line.rfind("SetTimer", 0) != 0) return;
    std::vector<Handle> pages = sim::Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(sim::Info(pages[0]).visible);
    EXPECT_TRUE(Shows(pages[0], WizardPageId::DestinationPage));
    EXPECT_FALSE(sim::Info(pages[1]).visible);
    EXPECT_FALSE(sim::Info(Control(pages[1], ProgressPage::按钮2)).enabled);
    ++checked;
  });
  WalkToDestination();
  Step([] {
    // DestinationPage.onCreated filled the box before the page was shown.
    EXPECT_EQ(sim::Info(Control(OnlyPage(), DestinationPage::编辑框1)).text, "C:\\Program Files\\");
    ClickOnly(DestinationPage::按钮2);
  });
  Step([] { sim::CloseByCaption(OnlyPage()); });
  RunInstaller();
  EXPECT_EQ(checked, 1);
}

TEST_F(PageFlow, OldPageGoesAfterTheHandlerReturnedAndBeforeTheFirstTick) {
  WalkToDestination();
  Step([] { ClickOnly(DestinationPage::按钮2); });
  Step([] { sim::CloseByCaption(OnlyPage()); });
  RunInstaller();
  int progress = FindCall("CreatePage", FindCall("CreatePage", FindCall("CreatePage") + 1) + 1);
  ASSERT_GE(progress, 0);
  int timer = FindCall("SetTimer", progress);
  int shown = FindCall("ShowWindow SW_SHOW", timer);
  int posted = FindCall("PostMessage PageDestroyRequest", shown);
  int destroyed = FindCall("DestroyWindow", posted);
  int first_tick = FindCall("MoveWindow", timer);
  ASSERT_GE(timer, 0);
  EXPECT_GT(shown, timer);
  EXPECT_GT(posted, shown);
  EXPECT_GT(destroyed, posted);
  EXPECT_GT(first_tick, destroyed);
}

TEST_F(PageFlow, QuickSecondClickOnNextLoadsTheTargetOnce) {
  Step([] {
    Handle next = Control(OnlyPage(), WelcomePage::按钮2);
    sim::Click(next);
    sim::Click(next);  // already waiting when LoadPage begins
  });
  Step([] {
    EXPECT_TRUE(Shows(OnlyPage(), WizardPageId::LicensePage));
    sim::CloseByCaption(OnlyPage());
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(CountCalls("CreatePage"), 2);
}

TEST_F(PageFlow, QuickSecondClickOnDestinationNextBuildsOneProgressPage) {
  WalkToDestination();
  Step([] {
    Handle next = Control(OnlyPage(), DestinationPage::按钮2);
    sim::Click(next);
    sim::Click(next);
  });
  Step([] { sim::CloseByCaption(OnlyPage()); });
  RunInstaller();
  EXPECT_EQ(CountCalls("CreatePage"), 4);
  EXPECT_EQ(CountCalls("SetTimer"), 1);
}

TEST_F(PageFlow, CancelAnsweredNoLeavesThePageAsItWas) {
  static Handle before;
  WalkToDestination();
  Step([] {
    before = OnlyPage();
    sim::Type(Control(before, DestinationPage::编辑框1), "D:\\Games\\");
    sim::AnswerBoxes({plat::kAnswerNo});
    sim::Click(Control(before, DestinationPage::按钮3));
  });
  Step([] {
    Handle page = OnlyPage();
    EXPECT_EQ(page, before);
    sim::WindowInfo info = sim::Info(page);
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.enabled);
    EXPECT_EQ(info.place.left, 272);
    EXPECT_EQ(sim::Info(Control(page, DestinationPage::编辑框1)).text, "D:\\Games\\");
    ASSERT_EQ(sim::Boxes().size(), 1u);
    const sim::BoxCall& box = sim::Boxes()[0];
    EXPECT_EQ(box.text, "您确定要退出安装?");
    EXPECT_EQ(box.caption, "提示");
    EXPECT_EQ(box.style, 0x2004u);
    ASSERT_EQ(box.pages_enabled.size(), 1u);
    EXPECT_FALSE(box.pages_enabled[0]);  // no page takes input while the box is open
    sim::CloseByCaption(page);
  });
  EXPECT_EQ(RunInstaller().how, sim::Ended::Returned);
}

TEST_F(PageFlow, EscEnterAndF1DoNothingOnAnyPage) {
  const sim::Key keys[] = {sim::Key::Escape, sim::Key::Enter, sim::Key::F1};
  for (sim::Key key : keys) {
    sim::Reset();
    static sim::Key pressed;
    static Handle pages[3];
    pressed = key;
    Step([] {
      pages[0] = OnlyPage();
      sim::PressKey(pressed);
    });
    Step([] {
      EXPECT_EQ(OnlyPage(), pages[0]);
      ClickOnly(WelcomePage::按钮2);
    });
    Step([] {
      pages[1] = OnlyPage();
      sim::PressKey(pressed);
    });
    Step([] {
      EXPECT_EQ(OnlyPage(), pages[1]);
      ClickOnly(LicensePage::按钮2);
    });
    Step([] {
      pages[2] = OnlyPage();
      sim::PressKey(sim::Key::Tab);  // from 按钮2 to 按钮1
      sim::PressKey(sim::Key::Tab);  // to 编辑框1
      sim::PressKey(pressed);
    });
    Step([] {
      EXPECT_EQ(OnlyPage(), pages[2]);
      EXPECT_EQ(sim::Info(Control(pages[2], DestinationPage::编辑框1)).text, "C:\\Program Files\\");
      EXPECT_TRUE(sim::Boxes().empty());
      sim::CloseByCaption(OnlyPage());
    });
    EXPECT_EQ(RunInstaller().how, sim::Ended::Returned);
  }
}

// Records which control of the page has the focus, as a list index; -1 for none.
int FocusedIndex() {
  Handle page = OnlyPage();
  for (int i = 0; i < kMaxControls; ++i)
    if (Control(page, i) && Control(page, i) == sim::Focused()) return i;
  return -1;
}

TEST_F(PageFlow, TabGoesUpTheControlListAndShiftTabDown) {
  static std::vector<int> focus;
  focus.clear();
  WalkToDestination();
  for (int i = 0; i < 5; ++i) {
    Step([] {
      focus.push_back(FocusedIndex());
      sim::PressKey(sim::Key::Tab);
    });
  }
  Step([] {
    focus.push_back(FocusedIndex());
    sim::PressKey(sim::Key::ShiftTab);
  });
  Step([] {
    focus.push_back(FocusedIndex());
    sim::CloseByCaption(OnlyPage());
  });
  RunInstaller();
  using namespace DestinationPage;
  const std::vector<int> expected = {按钮2, 按钮1, 编辑框1, 按钮4, 按钮3, 按钮2, 按钮3};
  EXPECT_EQ(focus, expected);
}

TEST_F(PageFlow, TabOnTheLicensePageCyclesTheBoxAndTheButtons) {
  static std::vector<int> focus;
  focus.clear();
  Step([] { ClickOnly(WelcomePage::按钮2); });
  for (int i = 0; i < 5; ++i) {
    Step([] {
      focus.push_back(FocusedIndex());
      sim::PressKey(sim::Key::Tab);
    });
  }
  Step([] { sim::CloseByCaption(OnlyPage()); });
  RunInstaller();
  using namespace LicensePage;
  const std::vector<int> expected = {按钮2, 按钮1, 编辑框1, 按钮3, 按钮2};
  EXPECT_EQ(focus, expected);
}

}  // namespace
