// Every way the program ends, and what may and may not run while it ends.
#include <gtest/gtest.h>

#include <cstring>

#include "app/page_flow.h"
#include "tests/unit/wizard_support.h"
#include "ui/destination_page.h"
#include "ui/license_page.h"
#include "ui/page_window.h"
#include "ui/progress_page.h"
#include "ui/welcome_page.h"

namespace {

using namespace wizard;
using plat::Handle;

void Step(std::function<void()> step) {
  sim::AddStep(std::move(step));
}
void ClickOnly(int index) {
  sim::Click(Control(OnlyPage(), index));
}

// Heap still in use when the process began to end; the exit hook releases InstallRoot first.
size_t heap_at_exit;
void WatchHeapAtExit() {
  heap_at_exit = static_cast<size_t>(-1);
  sim::OnCall([](const std::string& line) {
    if (line.rfind("ExitProcess", 0) == 0 || line.rfind("OleUninitialize", 0) == 0)
      heap_at_exit = sim::LiveHeapBytes();
  });
}

enum class Trigger {
  CancelYesOnWelcome,
  CancelYesOnLicense,
  CancelYesOnDestination,
  CloseWelcome,
  CloseLicense,
  CloseDestination,
  CloseProgressWhileGrowing,
  FinishButton,
  FirstPageFails,
  HeapFailsDuringTick,
};

void WalkTo(int pages) {
  if (pages >= 1) Step([] { ClickOnly(WelcomePage::按钮2); });
  if (pages >= 2) Step([] { ClickOnly(LicensePage::按钮2); });
  if (pages >= 3) Step([] { ClickOnly(DestinationPage::按钮2); });
}

// Cancel is 按钮3 on the first three pages.
void CancelYes(int cancel_index) {
  static int index;
  index = cancel_index;
  Step([] {
    sim::AnswerBoxes({plat::kAnswerYes});
    ClickOnly(index);
  });
}

bool ProgressPageShown(const std::string& line) {
  return line.rfind("ShowWindow SW_SHOW", 0) == 0 &&
         Shows(sim::Pages().back(), WizardPageId::ProgressPage);
}

void Arrange(Trigger trigger) {
  switch (trigger) {
    case Trigger::CancelYesOnWelcome:
      CancelYes(WelcomePage::按钮3);
      break;
    case Trigger::CancelYesOnLicense:
      WalkTo(1);
      CancelYes(LicensePage::按钮3);
      break;
    case Trigger::CancelYesOnDestination:
      WalkTo(2);
      CancelYes(DestinationPage::按钮3);
      break;
    case Trigger::CloseWelcome:
      Step([] { sim::CloseByCaption(OnlyPage()); });
      break;
    case Trigger::CloseLicense:
      WalkTo(1);
      Step([] { sim::CloseByCaption(OnlyPage()); });
      break;
    case Trigger::CloseDestination:
      WalkTo(2);
      Step([] { sim::CloseByCaption(OnlyPage()); });
      break;
    case Trigger::CloseProgressWhileGrowing:
      WalkTo(3);
      sim::OnCall([](const std::string& line) {
        static int places = 0;
        if (line.rfind("ShowWindow SW_SHOW", 0) == 0) places = 0;
        if (line.rfind("MoveWindow", 0) == 0 && ++places == 20)
          sim::CloseByCaption(sim::Pages().back());
        if (line.rfind("OleUninitialize", 0) == 0) heap_at_exit = sim::LiveHeapBytes();
      });
      break;
    case Trigger::FinishButton:
      WalkTo(3);
      Step([] { ClickOnly(ProgressPage::按钮2); });
      break;
    case Trigger::FirstPageFails:
      sim::FailCreatePage(1);
      break;
    case Trigger::HeapFailsDuringTick:
      WalkTo(3);
      sim::OnCall([](const std::string& line) {
        // The next allocation is the first tick's completion log.
        if (ProgressPageShown(line)) sim::FailAllocation(1);
        if (line.rfind("ExitProcess", 0) == 0) heap_at_exit = sim::LiveHeapBytes();
      });
      break;
  }
}

struct EndingCase {
  Trigger trigger;
  sim::Ended how;
  int exit_code;
  bool root_stored;  // InstallRoot holds a text when the program ends
  bool hook_runs;
};

const EndingCase kEndings[] = {
    {Trigger::CancelYesOnWelcome, sim::Ended::ExitProcess, 0, false, true},
    {Trigger::CancelYesOnLicense, sim::Ended::ExitProcess, 0, false, true},
    {Trigger::CancelYesOnDestination, sim::Ended::ExitProcess, 0, false, true},
    {Trigger::CloseWelcome, sim::Ended::Returned, 0, false, true},
    {Trigger::CloseLicense, sim::Ended::Returned, 0, false, true},
    {Trigger::CloseDestination, sim::Ended::Returned, 0, false, true},
    {Trigger::CloseProgressWhileGrowing, sim::Ended::Returned, 0, true, true},
    {Trigger::FinishButton, sim::Ended::ExitProcess, 0, true, true},
    {Trigger::FirstPageFails, sim::Ended::ExitProcess, -1, false, false},
    {Trigger::HeapFailsDuringTick, sim::Ended::ExitProcess, -1, true, false},
};

TEST(Endings, EveryWayTheProgramEnds) {
  for (const EndingCase& c : kEndings) {
    SCOPED_TRACE(static_cast<int>(c.trigger));
    sim::Reset();
    WatchHeapAtExit();
    Arrange(c.trigger);
    sim::Outcome outcome = RunInstaller();
    EXPECT_EQ(outcome.how, c.how);
    EXPECT_EQ(outcome.exit_code, c.exit_code);
    EXPECT_EQ(sim::OleStopCount(), 1);
    EXPECT_TRUE(sim::Pages().empty());
    // With the hook run, nothing of the program is left on the heap when it ends; without
    // it, InstallRoot is.
    if (c.hook_runs) EXPECT_EQ(heap_at_exit, 0u);
    if (!c.hook_runs && c.root_stored)
      EXPECT_GE(heap_at_exit, std::strlen("C:\\Program Files\\") + 1);
    bool fatal = c.exit_code == -1;
    EXPECT_EQ(sim::Boxes().size(), fatal || c.trigger <= Trigger::CancelYesOnDestination ? 1u : 0u);
    if (fatal && !sim::Boxes().empty()) {
      EXPECT_EQ(sim::Boxes()[0].style, plat::kBoxOk | plat::kBoxIconError | plat::kBoxTaskModal);
    }
  }
}

TEST(Endings, NoTickReachesItsHandlerOnceTheProgramEnds) {
  sim::Reset();
  WalkTo(3);
  static int box_line;
  box_line = -1;
  sim::OnCall([](const std::string& line) {
    if (ProgressPageShown(line)) sim::FailAllocation(3);  // the third tick's log fails
    if (line.rfind("MessageBoxA", 0) == 0) box_line = static_cast<int>(sim::Calls().size());
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.exit_code, -1);
  ASSERT_GT(box_line, 0);
  // The fatal box's modal loop delivers the running timer's tick; its handler stays silent.
  EXPECT_EQ(FindCall("MoveWindow", box_line), -1);
  EXPECT_EQ(FindCall("SetWindowTextA", box_line), -1);
}

TEST(Endings, ExitHappensInOrderPagesThenHookThenOle) {
  sim::Reset();
  WalkTo(3);
  Step([] { ClickOnly(ProgressPage::按钮2); });
  RunInstaller();
  int destroyed = FindCall("DestroyWindow", FindCall("ShowWindow SW_SHOW", FindCall("SetTimer")));
  int ole = FindCall("OleUninitialize");
  int exit = FindCall("ExitProcess");
  EXPECT_LT(destroyed, ole);
  EXPECT_LT(ole, exit);
  EXPECT_EQ(exit, static_cast<int>(sim::Calls().size()) - 1);
}

int ShowBoxEntry();
struct BoxStyleCase {
  unsigned style;
  unsigned reaches_platform;
  int answer;
};
const BoxStyleCase kBoxStyles[] = {
    {plat::kBoxYesNo, 0x2004, plat::kAnswerNo}, {plat::kBoxOk, 0x2000, plat::kAnswerOk},
    {0x1000, 0x1000, plat::kAnswerOk},          {0x1004, 0x1004, plat::kAnswerYes},
    {0x2004, 0x2004, plat::kAnswerYes},
};
unsigned box_style_under_test;
int ShowBoxEntry() {
  return ShowMessageBox("x", box_style_under_test, "提示");
}

TEST(MessageBoxes, StylesReachThePlatformTaskModalUnlessSystemModal) {
  for (const BoxStyleCase& c : kBoxStyles) {
    sim::Reset();
    box_style_under_test = c.style;
    sim::AnswerBoxes({c.answer});
    sim::Outcome outcome = sim::RunProcess(&ShowBoxEntry);
    ASSERT_EQ(sim::Boxes().size(), 1u);
    EXPECT_EQ(sim::Boxes()[0].style, c.reaches_platform) << std::hex << c.style;
    EXPECT_EQ(outcome.exit_code, c.answer);
  }
}

TEST(MessageBoxes, ABoxThatCannotBeShownAnswersOkSoCancelStaysOnThePage) {
  sim::Reset();
  sim::FailMessageBoxes(true);
  box_style_under_test = plat::kBoxYesNo;
  EXPECT_EQ(sim::RunProcess(&ShowBoxEntry).exit_code, plat::kAnswerOk);

  sim::Reset();
  sim::FailMessageBoxes(true);
  static Handle before;
  Step([] {
    before = OnlyPage();
    ClickOnly(WelcomePage::按钮3);
  });
  Step([] {
    EXPECT_EQ(OnlyPage(), before);
    sim::CloseByCaption(before);
  });
  EXPECT_EQ(RunInstaller().how, sim::Ended::Returned);
}

// Timer periods: negative counts as 0, the current period again changes nothing, a new
// period restarts the timer.
int TimerEntry() {
  Program program;
  if (!CreatePageWindow(program, WizardPageId::ProgressPage)) return 1;
  const int periods[] = {1, 1, 20, -5, 0, 0, 7};
  for (int period : periods)
    SetPeriod(program, WizardPageId::ProgressPage, ProgressPage::时钟1, period);
  return 0;
}

TEST(Timer, PeriodRules) {
  sim::Reset();
  ASSERT_EQ(sim::RunProcess(&TimerEntry).exit_code, 0);
  std::vector<std::string> timer_calls;
  for (const std::string& line : sim::Calls())
    if (line.rfind("SetTimer", 0) == 0 || line.rfind("KillTimer", 0) == 0)
      timer_calls.push_back(line.substr(0, line.find(' ')) + line.substr(line.rfind(' ')));
  const std::vector<std::string> expected = {"SetTimer 1", "KillTimer id=4", "SetTimer 20",
                                             "KillTimer id=4", "SetTimer 7"};
  EXPECT_EQ(timer_calls, expected);
}

}  // namespace
