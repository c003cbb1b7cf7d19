// The destination page as a user meets it: the box, the picker, and what Next accepts.
#include <gtest/gtest.h>

#include "tests/unit/wizard_support.h"
#include "ui/destination_page.h"
#include "ui/folder_check.h"
#include "ui/license_page.h"
#include "ui/progress_page.h"
#include "ui/welcome_page.h"

namespace {

using namespace wizard;
using plat::Handle;

void Step(std::function<void()> step) {
  sim::AddStep(std::move(step));
}
Handle Box() {
  return Control(OnlyPage(), DestinationPage::编辑框1);
}

void WalkToDestination() {
  Step([] { sim::Click(Control(OnlyPage(), WelcomePage::按钮2)); });
  Step([] { sim::Click(Control(OnlyPage(), LicensePage::按钮2)); });
}

struct FolderCase {
  std::string typed;
  const char* refusal;  // nullptr: accepted and stored as typed
};

std::vector<FolderCase> FolderCases() {
  return {
      {"", kNoFolderMessage},
      {"   ", kNoFolderMessage},
      {"\\", kNotFullPathMessage},
      {"abc", kNotFullPathMessage},
      {"..\\x", kNotFullPathMessage},
      {"C:", kNotFullPathMessage},
      {"C:Games", kNotFullPathMessage},
      {"\\\\server", kNotFullPathMessage},
      {"C:\\a|b", kBadCharacterMessage},
      {"C:\\" + std::string(250, 'a'), kTooLongMessage},
      {"C:\\", nullptr},
      {"D:\\Music", nullptr},
      {"C:\\Program Files\\", nullptr},
      {"C:\\淺", nullptr},  // a trail byte 0x5C and '|'-like bytes are parts of characters
      {"\\\\server\\share\\", nullptr},
  };
}

TEST(DestinationPage, NextRefusesWhatIsNoFullFolderAndStoresTheRest) {
  for (const FolderCase& c : FolderCases()) {
    SCOPED_TRACE(c.typed);
    sim::Reset();
    sim::AddDrive('D');
    static const FolderCase* current;
    current = &c;
    WalkToDestination();
    Step([] {
      sim::Type(Box(), current->typed);
      sim::Click(Control(OnlyPage(), DestinationPage::按钮2));
    });
    Step([] {
      Handle page = OnlyPage();
      if (current->refusal) {
        EXPECT_TRUE(Shows(page, WizardPageId::DestinationPage));
        ASSERT_EQ(sim::Boxes().size(), 1u);
        EXPECT_EQ(sim::Boxes()[0].text, current->refusal);
        EXPECT_EQ(sim::Boxes()[0].caption, "提示");
        EXPECT_EQ(sim::Boxes()[0].style, 0x2000u);
        EXPECT_EQ(sim::Info(Box()).text, current->typed);  // left as typed
        EXPECT_EQ(wizard::CountCalls("CreateDirectoryA"), 0);
      } else {
        EXPECT_TRUE(Shows(page, WizardPageId::ProgressPage));
        EXPECT_TRUE(sim::Boxes().empty());
        // The log names the root as stored, with the separator the targets use.
      }
      sim::CloseByCaption(page);
    });
    RunInstaller();
  }
}

TEST(DestinationPage, ThePickerFillsTheBoxAndLeavesItAloneWhenCancelled) {
  const struct {
    sim::PickerAnswer answer;
    const char* box_after;
  } cases[] = {
      {{plat::Picked::Path, "D:\\Games"}, "D:\\Games\\"},
      {{plat::Picked::Path, "D:\\"}, "D:\\"},  // a drive root keeps its one backslash
      {{plat::Picked::Path, "D:\\淺"}, "D:\\淺\\"},
      {{plat::Picked::NoPath, ""}, "C:\\Program Files\\"},
      {{plat::Picked::Nothing, ""}, "C:\\Program Files\\"},
  };
  for (const auto& c : cases) {
    sim::Reset();
    sim::AnswerPickers({c.answer});
    static std::string box_after;
    WalkToDestination();
    Step([] { sim::Click(Control(OnlyPage(), DestinationPage::按钮4)); });
    Step([] {
      box_after = sim::Info(Box()).text;
      EXPECT_TRUE(sim::Info(OnlyPage()).enabled);  // the page takes input again
      ASSERT_EQ(sim::Pickers().size(), 1u);
      EXPECT_EQ(sim::Pickers()[0].pages_enabled, std::vector<bool>{false});
      EXPECT_EQ(sim::Pickers()[0].owner, OnlyPage());
      sim::CloseByCaption(OnlyPage());
    });
    RunInstaller();
    EXPECT_EQ(box_after, c.box_after);
  }
}

TEST(DestinationPage, NextInstallsIntoThePickedFolderBeforeTheProgressPageShows) {
  sim::Reset();
  sim::AddDrive('D');
  sim::MakeFolder("D:\\Games");
  sim::AnswerPickers({{plat::Picked::Path, "D:\\Games"}});
  static bool installed_before_shown;
  installed_before_shown = false;
  sim::OnCall([](const std::string& line) {
    if (line.rfind("ShowWindow SW_SHOW", 0) == 0 &&
        Shows(sim::Pages().back(), WizardPageId::ProgressPage))
      installed_before_shown = sim::IsFolder("D:\\Games\\青禾音乐盒程序\\yx") &&
                               sim::Exists("D:\\Games\\青禾音乐盒程序\\官方网址.lnk");
  });
  WalkToDestination();
  Step([] { sim::Click(Control(OnlyPage(), DestinationPage::按钮4)); });
  Step([] { sim::Click(Control(OnlyPage(), DestinationPage::按钮2)); });
  Step([] { sim::Click(Control(OnlyPage(), ProgressPage::按钮2)); });
  sim::Outcome outcome = RunInstaller();
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_TRUE(installed_before_shown);
  EXPECT_TRUE(sim::Exists("D:\\Games\\青禾音乐盒程序\\spec.fne"));
}

}  // namespace
