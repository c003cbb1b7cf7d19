// The progress page: the strip over its 43 ticks, the finish button, and a log that tells the
// truth about the installation.
#include <gtest/gtest.h>

#include "tests/unit/wizard_support.h"
#include "ui/completion_log.h"
#include "ui/page_window.h"
#include <cstring>
#include "ui/destination_page.h"
#include "ui/license_page.h"
#include "ui/progress_page.h"
#include "ui/welcome_page.h"

namespace {

using namespace wizard;
using plat::Handle;

void Step(std::function<void()> step) {
  sim::AddStep(std::move(step));
}

void WalkIntoProgress(const char* root = nullptr) {
  static const char* typed;
  typed = root;
  Step([] { sim::Click(Control(OnlyPage(), WelcomePage::按钮2)); });
  Step([] { sim::Click(Control(OnlyPage(), LicensePage::按钮2)); });
  Step([] {
    if (typed) sim::Type(Control(OnlyPage(), DestinationPage::编辑框1), typed);
    sim::Click(Control(OnlyPage(), DestinationPage::按钮2));
  });
}

struct PageState {
  int strip_left, strip_width;
  bool finish_enabled;
  int timer_period;
  std::string log;
};

PageState Look() {
  Handle page = sim::Pages().back();
  sim::WindowInfo strip = sim::Info(Control(page, ProgressPage::标签1));
  return {strip.place.left, strip.place.width,
          sim::Info(Control(page, ProgressPage::按钮2)).enabled, sim::Info(page).timer_period,
          sim::Info(Control(page, ProgressPage::编辑框1)).text};
}

const char kExpectedLog[] =
    "C:\\Program Files\\青禾音乐盒程序\\数据导出中...\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\音乐文件\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\udin\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\tade\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\yx\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\青禾音乐盒.exe\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\tade\\配置文件.ini\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\使用说明.txt\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\tade\\配置文件教程.ini\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\官方网址快捷方式.lnk\r\n"
    "C:\\Program Files\\青禾音乐盒程序\\卸载.exe\r\n"
    "C:\\Program Files\\数据导入完成...\r\n"
    "C:\\Program Files\\安装成功....";

TEST(ProgressPage, TheStripGrowsTwiceATickAndTheButtonWaitsForTick43) {
  sim::Reset();
  static std::vector<PageState> after;  // after[k]: the page after k ticks
  after.clear();
  sim::OnCall([](const std::string& line) {
    if (line.rfind("DispatchMessageA WM_TIMER", 0) == 0) {
      after.push_back(Look());
      // Typed into the log while it runs: the next tick replaces it.
      if (after.size() == 10)
        sim::Type(Control(sim::Pages().back(), ProgressPage::编辑框1), "typed");
    }
  });
  WalkIntoProgress();
  Step([] {
    after.push_back(Look());
    sim::Type(Control(sim::Pages().back(), ProgressPage::编辑框1), "kept");
  });
  Step([] {
    EXPECT_EQ(Look().log, "kept");  // no tick after the last one
    sim::Click(Control(sim::Pages().back(), ProgressPage::按钮2));
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.how, sim::Ended::ExitProcess);
  EXPECT_EQ(outcome.exit_code, 0);
  ASSERT_EQ(after.size(), 44u);
  EXPECT_EQ(after[0].strip_left, 21);
  EXPECT_EQ(after[0].strip_width, 5);
  EXPECT_EQ(after[0].log, "");
  for (int k = 1; k <= 43; ++k) {
    SCOPED_TRACE("tick " + std::to_string(k));
    EXPECT_EQ(after[k].strip_left, 21);
    EXPECT_EQ(after[k].strip_width, std::min(5 + 10 * k, 425));
    EXPECT_EQ(after[k].finish_enabled, k == 43);
    EXPECT_EQ(after[k].timer_period, k == 43 ? 0 : 1);
    EXPECT_EQ(after[k].log, k == 10 ? "typed" : kExpectedLog);  // typed text lasts one tick
  }
  EXPECT_EQ(after[42].strip_width, 425);
  EXPECT_EQ(CountCalls("KillTimer"), 1);
  EXPECT_EQ(CountCalls("EM_SCROLLCARET"), 0);  // a good log opens at its first line
}

TEST(ProgressPage, FinishIsDisabledBeforeThePageIsFirstShown) {
  sim::Reset();
  static int checked;
  checked = 0;
  sim::OnCall([](const std::string& line) {
    if (line.rfind("ShowWindow SW_SHOW", 0) == 0 &&
        Shows(sim::Pages().back(), WizardPageId::ProgressPage)) {
      PageState state = Look();
      EXPECT_FALSE(state.finish_enabled);
      EXPECT_EQ(state.strip_left, 21);
      EXPECT_EQ(state.strip_width, 5);
      ++checked;
    }
  });
  WalkIntoProgress();
  Step([] { sim::CloseByCaption(sim::Pages().back()); });
  EXPECT_EQ(RunInstaller().exit_code, 0);
  EXPECT_EQ(checked, 1);
}

// A frame whose width less 15 does not exceed the strip's first width ends on the first tick.
int NarrowFrameEntry() {
  Program program;
  program.InstallRoot = JoinTexts(program, {"C:\\"});
  CreatePageWindow(program, WizardPageId::ProgressPage);
  Handle frame = program.page(WizardPageId::ProgressPage).controls[ProgressPage::分组框1];
  plat::SetPlace(frame, {16, 96, 20, 30});
  ProgressAnimator::onTick(program);
  Handle page = program.page(WizardPageId::ProgressPage).window;
  bool ok = sim::Info(Control(page, ProgressPage::标签1)).place.width == 5 &&
            sim::Info(Control(page, ProgressPage::按钮2)).enabled &&
            !sim::Info(Control(page, ProgressPage::编辑框1)).text.empty();
  return ok ? 0 : 1;
}

TEST(ProgressPage, ANarrowFrameFinishesOnTheFirstTick) {
  sim::Reset();
  EXPECT_EQ(sim::RunProcess(&NarrowFrameEntry).exit_code, 0);
}

TEST(CompletionLog, FormsItsLinesWithTheRootTheTargetsUse) {
  const struct {
    const char* root;
    const char* first_line;
  } cases[] = {
      {"C:\\Program Files\\", "C:\\Program Files\\青禾音乐盒程序\\数据导出中...\r\n"},
      {"D:\\Music", "D:\\Music\\青禾音乐盒程序\\数据导出中...\r\n"},
  };
  for (const auto& c : cases) {
    sim::Reset();
    static const char* root;
    static std::string log;
    root = c.root;
    sim::RunProcess(+[] {
      Program program;
      program.InstallRoot = JoinTexts(program, {root});
      log = CompletionLog(program).c_str();
      return 0;
    });
    EXPECT_EQ(log.substr(0, std::strlen(c.first_line)), c.first_line);
  }
}

TEST(CompletionLog, AFailedInstallationSaysSoAndEndsWithCodeOne) {
  sim::Reset();
  sim::SetLinkObjectAvailable(false);
  static std::string log;
  WalkIntoProgress();
  Step([] {
    log = Look().log;
    sim::Click(Control(sim::Pages().back(), ProgressPage::按钮2));
  });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.exit_code, 1);
  const std::string twelve(kExpectedLog,
                           std::string(kExpectedLog).find("C:\\Program Files\\数据导入"));
  EXPECT_EQ(log.substr(0, twelve.size()), twelve);
  EXPECT_EQ(log.find("安装成功"), std::string::npos);
  EXPECT_EQ(log.find("数据导入完成"), std::string::npos);
  const std::string rest = log.substr(twelve.size());
  EXPECT_EQ(rest,
            "安装未完成：有 4 项未能完成安装：\r\n"
            "C:\\Users\\user\\Desktop\\青禾音乐盒.lnk\r\n"
            "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start "
            "Menu\\Programs\\青禾音乐盒程序\\青禾音乐盒.lnk\r\n"
            "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start "
            "Menu\\Programs\\青禾音乐盒程序\\卸载.lnk\r\n"
            "C:\\Program Files\\青禾音乐盒程序\\官方网址.lnk");
}

TEST(CompletionLog, AfterAFailedInstallationEveryEndingReportsCodeOne) {
  sim::Reset();
  sim::SetLinkObjectAvailable(false);
  WalkIntoProgress();
  Step([] { sim::CloseByCaption(sim::Pages().back()); });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.how, sim::Ended::Returned);
  EXPECT_EQ(outcome.exit_code, 1);
}

TEST(CompletionLog, CountsEachFailedItemOnceAndKeepsItInView) {
  sim::Reset();
  static std::string log;
  WalkIntoProgress("Q:\\");  // no such drive: everything below the root fails
  Step([] {
    log = Look().log;
    sim::CloseByCaption(sim::Pages().back());
  });
  EXPECT_EQ(RunInstaller().exit_code, 1);
  // 5 folders, 18 files (the 12 modules' attributes are the same items) and the web link.
  EXPECT_NE(log.find("安装未完成：有 24 项未能完成安装：\r\nQ:\\青禾音乐盒程序\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("\r\nQ:\\青禾音乐盒程序\\spec.fne\r\nQ:\\青禾音乐盒程序\\官方网址.lnk"),
            std::string::npos);
  EXPECT_EQ(log.find("\\\\"), std::string::npos);
  EXPECT_EQ(log.find("com.run"), log.rfind("com.run"));
  // Every tick brings the report into view after writing the log.
  EXPECT_EQ(CountCalls("EM_SCROLLCARET"), 43);
}

}  // namespace
