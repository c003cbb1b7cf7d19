// The installation as a user starts it: a folder chosen on the destination page, Next, and
// the files, attributes and shortcuts that are on the disk once the progress page shows.
#include "gbk.h"
#include "host_files.h"
#include "installed_tree.h"
#include "wizard.h"

namespace {

class InstallTest : public WizardTest {
 protected:
  // Fresh root: nothing of an earlier installation under it, on the desktop or in the menu.
  void InstallInto(const std::string& root) {
    RemoveInstallation(root);
    ASSERT_NO_FATAL_FAILURE(GoTo(Page::kDestination));
    ASSERT_NO_FATAL_FAILURE(EnterFolder(root));
    ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kProgress));
  }
  void Finish() {
    ASSERT_TRUE(WaitEnabled(5, kFinishTimeoutMs)) << "the finish button stayed disabled";
    ASSERT_NO_FATAL_FAILURE(Click(5));
    EXPECT_EQ(WaitExit(), 0);
  }
};

struct RootCase {
  const char* name;
  const char* root;  // as typed into the box; made beforehand
};
void PrintTo(const RootCase& c, std::ostream* out) {
  *out << c.root;
}

class InstallRootTest : public InstallTest, public testing::WithParamInterface<RootCase> {};

// A root typed without its trailing backslash installs as if it had one.
TEST_P(InstallRootTest, LaysDownTheProductBelowTheRoot) {
  const RootCase& c = GetParam();
  RemoveTree(HostPathOf(c.root));
  ASSERT_TRUE(MakeFolders(HostPathOf(c.root)));
  ASSERT_NO_FATAL_FAILURE(InstallInto(c.root));
  ExpectInstalledTree(c.root);
  ASSERT_TRUE(WaitEnabled(5, kFinishTimeoutMs));
  EXPECT_EQ(Utf8(TextOf(1)), GoodLog(c.root)) << "the log box";
  ASSERT_NO_FATAL_FAILURE(Finish());
}

INSTANTIATE_TEST_SUITE_P(Roots, InstallRootTest,
                         testing::Values(RootCase{"TrailingBackslash", "C:\\e2e\\r1\\"},
                                         RootCase{"NoTrailingBackslash", "C:\\e2e\\r2"}),
                         [](const testing::TestParamInfo<RootCase>& info) {
                           return std::string(info.param.name);
                         });

// The second installation over the first: the user's playlist stays, every other file is
// the installer's again, and the tree is the same.
TEST_F(InstallTest, SecondInstallKeepsTheSettingsAndReplacesTheRest) {
  const std::string root = "C:\\e2e\\again\\";
  RemoveTree(HostPathOf(root));
  ASSERT_TRUE(MakeFolders(HostPathOf(root)));
  ASSERT_NO_FATAL_FAILURE(InstallInto(root));
  ASSERT_NO_FATAL_FAILURE(Finish());

  const std::string product = HostPathOf(ProductFolderOf(root));
  const std::string settings = product + "/tade/配置文件.ini";
  const std::string playlist = Gbk("[播放列表]\r\n我的歌=我的歌.mp3\r\n[配置]\r\n最后位置=7\r\n");
  ASSERT_TRUE(WriteBytes(settings, playlist));
  ASSERT_TRUE(WriteBytes(product + "/使用说明.txt", "changed by the user"));
  ASSERT_TRUE(WriteBytes(product + "/krnln.fnr", "changed by the user"));

  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kDestination));
  ASSERT_NO_FATAL_FAILURE(EnterFolder(root));
  ASSERT_NO_FATAL_FAILURE(SwitchBy(LayoutOf(at_).next, Page::kProgress));

  std::string kept;
  ASSERT_TRUE(ReadBytes(settings, &kept));
  EXPECT_TRUE(kept == playlist) << "the settings file was replaced: \"" << Utf8(kept) << "\"";
  // Everything else as after a first installation: put the shipped settings back to compare.
  std::string shipped;
  ASSERT_TRUE(ReadBytes(PathOfPayload() + "/tade/配置文件.ini", &shipped));
  ASSERT_TRUE(WriteBytes(settings, shipped));
  ExpectInstalledTree(root);
  ASSERT_NO_FATAL_FAILURE(Finish());
}

// The folder picker: how it is left, and what the box holds afterwards.
struct PickCase {
  const char* name;
  std::vector<const char*> keys;  // pressed in the picker's tree, then OK; none: not used
  const char* close_by;           // "ok", "cancel" (its button) or "esc"
  std::string box;                // the box afterwards, UTF-8; empty: unchanged
};
void PrintTo(const PickCase& c, std::ostream* out) {
  *out << c.name;
}

class PickerTest : public WizardTest, public testing::WithParamInterface<PickCase> {};

const char kPickerTitle[] = "选择文件夹";
const int kPickerTree = 14145;  // the shell's tree view in the picker

TEST_P(PickerTest, DisablesThePageWhileOpenAndFillsTheBox) {
  const PickCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(GoTo(Page::kDestination));
  std::string before = TextOf(5);
  ASSERT_NO_FATAL_FAILURE(Click(4));
  DriverResult picker = Driver({"wait-dialog", "5000"});
  ASSERT_TRUE(picker.ok) << "no folder picker after clicking 选择路径";
  Window dialog = WindowOf(picker.first());
  EXPECT_EQ(Utf8(dialog.title), kPickerTitle);
  DriverResult page = Driver({"window", page_.hwnd});
  ASSERT_TRUE(page.ok);
  EXPECT_FALSE(WindowOf(page.first()).enabled) << "the page takes input while the picker is open";

  if (!c.keys.empty()) {
    ASSERT_TRUE(Driver({"click", dialog.hwnd, std::to_string(kPickerTree)}).ok);
  }
  for (const char* key : c.keys) ASSERT_TRUE(Driver({"key", key}).ok) << key;
  if (std::string(c.close_by) == "esc") {
    ASSERT_TRUE(Driver({"key", "esc"}).ok);
  } else {
    int button = std::string(c.close_by) == "ok" ? 1 : 2;
    ASSERT_TRUE(Driver({"click", dialog.hwnd, std::to_string(button)}).ok);
  }
  ASSERT_TRUE(Driver({"wait-gone", dialog.hwnd, "5000"}).ok) << "the picker stayed open";

  page = Driver({"window", page_.hwnd});
  ASSERT_TRUE(page.ok) << "the page is gone";
  EXPECT_TRUE(WindowOf(page.first()).enabled) << "the page stayed disabled";
  std::string expected = c.box.empty() ? Utf8(before) : c.box;
  EXPECT_EQ(Utf8(TextOf(5)), expected);
  EXPECT_TRUE(program_->Running());
}

// Under Wine the picker has no edit box (BIF_EDITBOX is ignored), so folders are picked in
// its tree: 桌面 at the top, then "/" (drive Z:), 回收站, 文档, 我的电脑.
INSTANTIATE_TEST_SUITE_P(Ways, PickerTest,
                         testing::Values(PickCase{"CancelButton", {}, "cancel", ""},
                                         PickCase{"Esc", {}, "esc", ""},
                                         PickCase{"Folder",
                                                  {"home", "down", "down", "down"},
                                                  "ok",
                                                  ProfileFolder() + "\\Documents\\"},
                                         PickCase{"DriveRoot", {"home", "down"}, "ok", "Z:\\"},
                                         PickCase{"NoFileSystemPath", {"home", "end"}, "ok", ""}),
                         [](const testing::TestParamInfo<PickCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
