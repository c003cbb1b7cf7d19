// The whole wizard as a user goes through it, from the welcome page to "安装完成": what every
// page shows on the screen, the log of the installation, and how the program ends.
#include "gbk.h"
#include "host_files.h"
#include "installed_tree.h"
#include "pictures.h"
#include "wizard.h"

#include <unistd.h>

#include <sstream>

namespace {

const int kStripFullWidth = 425;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

class CompleteWizardTest : public WizardTest {
 protected:
  // A fresh root that exists, on a system without an earlier installation.
  void FreshRoot(const std::string& root) {
    RemoveTree(HostPathOf(root));
    ASSERT_TRUE(MakeFolders(HostPathOf(root)));
    RemoveInstallation(root);
  }
  const Control* Snapshot(int id) {
    for (const Control& control : controls_)
      if (control.id == id) return &control;
    return nullptr;
  }
};

TEST_F(CompleteWizardTest, WelcomePageDrawsTheBannerAndTheLogo) {
  Screenshot shot;
  ASSERT_NO_FATAL_FAILURE(Shoot("welcome", &shot));
  ExpectBanner(shot, page_.client);
  ExpectLogo(shot, page_.client);
}

TEST_F(CompleteWizardTest, LicenseBoxIsReadOnlyAtTheTopWithTheWholeText) {
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kLicense));
  DriverResult edit = Driver({"edit", page_.hwnd, "8"});
  ASSERT_TRUE(edit.ok) << edit.out;
  EXPECT_EQ(edit["readonly"], "1") << "style " << edit["style"];
  EXPECT_EQ(edit["multiline"], "1") << "style " << edit["style"];
  EXPECT_EQ(edit["first_line"], "0") << "the box opens scrolled away from the top";
  std::string license;
  ASSERT_TRUE(ReadBytes(E2E_LICENSE_FILE, &license));
  std::string text = TextOf(8);
  EXPECT_TRUE(text == license) << "the box holds " << text.size() << " bytes, the file "
                               << license.size();
  EXPECT_EQ(LinesOf(text).size(), 45u);
  EXPECT_EQ(Utf8(LinesOf(text).front()), "用户许可协议:");
}

// Every page on the screen, the strip and the log once the animation ends, the finish
// button's two states, and exit code 0 by that button.
TEST_F(CompleteWizardTest, WalksFromWelcomeToFinish) {
  const std::string root = "C:\\e2e\\walk\\";
  ASSERT_NO_FATAL_FAILURE(FreshRoot(root));
  Screenshot shot;
  ASSERT_NO_FATAL_FAILURE(Shoot("1-welcome", &shot));
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kLicense));
  ASSERT_NO_FATAL_FAILURE(Shoot("2-license", &shot));
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kDestination));
  EXPECT_EQ(TextOf(5), "C:\\Program Files\\") << "the default folder";
  ASSERT_NO_FATAL_FAILURE(EnterFolder(root));
  ASSERT_NO_FATAL_FAILURE(Shoot("3-destination", &shot));
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kProgress));

  const Control* finish = Snapshot(5);
  const Control* strip = Snapshot(8);
  ASSERT_TRUE(finish && strip) << "the progress page lacks its finish button or its strip";
  EXPECT_FALSE(finish->enabled) << "the finish button is usable when the page appears";
  EXPECT_EQ(strip->place.left, 21);
  EXPECT_EQ(strip->place.top, 105);
  EXPECT_LT(strip->place.width, kStripFullWidth) << "the strip is full when the page appears";
  ASSERT_NO_FATAL_FAILURE(Shoot("4-progress", &shot));

  ASSERT_TRUE(WaitEnabled(5, kFinishTimeoutMs)) << "the finish button stayed disabled";
  usleep(300 * 1000);  // the last tick's painting
  ASSERT_NO_FATAL_FAILURE(Shoot("5-finished", &shot));
  DriverResult full = Driver({"control", page_.hwnd, "8"});
  EXPECT_EQ(ControlOf(full.first()).place, (Box{21, 105, kStripFullWidth, 15}));
  ExpectFullStrip(shot, page_.client);
  EXPECT_EQ(Utf8(TextOf(1)), GoodLog(root)) << "the log box";

  ASSERT_NO_FATAL_FAILURE(Click(5));
  EXPECT_EQ(WaitExit(), 0);
}

// The caption's close while the strip still grows ends the program at once, with 0; the
// installation, complete before the page appeared, stays.
TEST_F(CompleteWizardTest, ClosingWhileTheStripGrowsKeepsTheInstallation) {
  const std::string root = "C:\\e2e\\closed\\";
  ASSERT_NO_FATAL_FAILURE(FreshRoot(root));
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kDestination));
  ASSERT_NO_FATAL_FAILURE(EnterFolder(root));
  DriverResult closed =
      Driver({"click-and-close-next", page_.hwnd, "7", std::to_string(kInstallTimeoutMs)},
             kInstallTimeoutMs + 30000);
  ASSERT_TRUE(closed.ok) << closed.out;
  ASSERT_GE(closed.lines.size(), 4u) << closed.out;  // click, page, strip, finish button
  Control strip = ControlOf(closed.lines[2]);
  Control finish = ControlOf(closed.lines[3]);
  EXPECT_LT(strip.place.width, kStripFullWidth) << "the strip was full before the close";
  EXPECT_FALSE(finish.enabled);
  EXPECT_EQ(WaitExit(), 0);
  ExpectInstalledTree(root);
}

enum class Ending { kFinishButton, kCaption };

struct FailureCase {
  const char* name;
  const char* root;
  Ending ending;
};
void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.root << (c.ending == Ending::kCaption ? " closed by its caption" : " finished");
}

class FailedInstallTest : public CompleteWizardTest,
                          public testing::WithParamInterface<FailureCase> {};

// A root that cannot be written: the log keeps the list of what was to be installed, then
// says how many items failed and names each; the program ends with 1 however it is left.
TEST_P(FailedInstallTest, ReportsEveryFailedItemAndEndsWithOne) {
  const FailureCase& c = GetParam();
  RemoveInstallation(c.root);
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kDestination));
  ASSERT_NO_FATAL_FAILURE(EnterFolder(c.root));
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kProgress));
  ASSERT_TRUE(WaitEnabled(5, kFinishTimeoutMs)) << "the finish button stayed disabled";
  Screenshot shot;
  ASSERT_NO_FATAL_FAILURE(Shoot("failed", &shot));

  std::vector<std::string> lines = LinesOf(Utf8(TextOf(1)));
  std::vector<std::string> good = LinesOf(GoodLog(c.root));
  ASSERT_GE(lines.size(), 14u) << Utf8(TextOf(1));
  for (size_t i = 0; i < 12; ++i) EXPECT_EQ(lines[i], good[i]) << "log line " << i + 1;
  std::ostringstream header;
  header << "安装未完成：有 " << lines.size() - 13 << " 项未能完成安装：";
  EXPECT_EQ(lines[12], header.str());
  const std::string product = ProductFolderOf(c.root);
  EXPECT_EQ(lines[13], product) << "the first failure is the product folder";
  for (size_t i = 13; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].compare(0, std::string(c.root).size(), c.root), 0)
        << "log line " << i + 1 << " names a target outside the root: " << lines[i];
  EXPECT_FALSE(IsFolder(HostPathOf(product)));

  if (c.ending == Ending::kFinishButton) {
    ASSERT_NO_FATAL_FAILURE(Click(5));
  } else {
    DriverResult closed = Driver({"close-caption", page_.hwnd});
    ASSERT_TRUE(closed.ok) << closed.out;
  }
  EXPECT_EQ(WaitExit(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, FailedInstallTest,
    testing::Values(FailureCase{"NoSuchDrive", "Q:\\x\\", Ending::kFinishButton},
                    FailureCase{"NoSuchDriveClosed", "Q:\\x\\", Ending::kCaption},
                    FailureCase{"NoParentFolder", "C:\\e2e\\gone\\sub\\", Ending::kFinishButton}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
