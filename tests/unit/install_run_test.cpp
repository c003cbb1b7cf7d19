// The install run on the simulated machine: the tree it lays down, the exact targets, and a
// record that never reports a failure as success.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "install/install_plan.h"
#include "payload/payload_store.h"
#include "tests/unit/install_support.h"
#include "tests/unit/wizard_support.h"

namespace {

using namespace install_test;

std::string PayloadBytes(int index) {
  ByteBlock block = PayloadAt(index).block;
  return std::string(reinterpret_cast<const char*>(block.bytes), block.length);
}

// The target of an action as the run forms it, for a root that ends in a backslash when the
// run adds one.
std::string TargetOf(const InstallAction& action, const std::string& root) {
  std::string base = root;
  if (action.base == Base::DesktopBase) base = std::string(kDesktop) + "\\";
  if (action.base == Base::ProgramsBase) base = std::string(kPrograms) + "\\";
  return base + action.relative;
}

// Whether an action's effect is on disk as a good run leaves it.
bool EffectPresent(int number, const std::string& root) {
  const InstallAction& action = InstallPlan[number - 1];
  const std::string target = TargetOf(action, root);
  switch (action.kind) {
    case ActionKind::MakeDirectory:
      return sim::IsFolder(target);
    case ActionKind::WritePayloadFile:
      return sim::FileBytes(target) == PayloadBytes(action.payload);
    case ActionKind::SetAttributes:
      return sim::Attributes(target) == 6u;
    case ActionKind::MakeShortcut:
      return sim::ShellLinkTarget(target) ==
             (action.web ? std::string(action.link_target) : root + (action.link_target + 1));
  }
  return false;
}

std::set<int> Recorded(const RunResult& result) {
  std::set<int> actions;
  for (const Failure& f : result.failures) actions.insert(f.action);
  return actions;
}

// Every action whose effect is missing is in the record, and nothing in the record succeeded.
void ExpectTruthfulRecord(const RunResult& result, const std::string& root) {
  std::set<int> recorded = Recorded(result);
  for (int n = 1; n <= kInstallActionCount; ++n) {
    bool present = EffectPresent(n, root);
    EXPECT_NE(present, recorded.count(n) > 0)
        << "action " << n << (present ? " recorded" : " missing");
  }
}

class InstallRun : public ::testing::Test {
 protected:
  void SetUp() override { sim::Reset(); }
};

TEST_F(InstallRun, FreshInstallLaysDownTheWholeTree) {
  RunResult result = RunPlan("C:\\Program Files\\");
  ASSERT_EQ(result.outcome.how, sim::Ended::Returned);
  EXPECT_TRUE(result.failures.empty());
  ExpectTruthfulRecord(result, "C:\\Program Files\\");
  const std::string product = kProduct;
  for (const char* folder : {"", "\\音乐文件", "\\udin", "\\tade", "\\yx"})
    EXPECT_TRUE(sim::IsFolder(product + folder)) << folder;
  EXPECT_TRUE(sim::IsFolder(std::string(kPrograms) + "\\青禾音乐盒程序"));
  int hidden = 0;
  for (int i = 1; i <= kPayloadCount; ++i) {
    std::string path = std::string("C:\\Program Files") + kPayloadPaths[i - 1];
    EXPECT_EQ(sim::FileBytes(path), PayloadBytes(i)) << path;
    uint32_t attributes = sim::Attributes(path);
    if (attributes == 6u) ++hidden;
    EXPECT_EQ(attributes, i >= 7 ? 6u : 0x20u) << path;  // new files keep their archive bit
  }
  EXPECT_EQ(hidden, 12);
  EXPECT_EQ(sim::ShellLinkTarget(std::string(kDesktop) + "\\青禾音乐盒.lnk"),
            "C:\\Program Files\\青禾音乐盒程序\\青禾音乐盒.exe");  // one separator
  EXPECT_EQ(sim::ShellLinkTarget(std::string(kPrograms) + "\\青禾音乐盒程序\\卸载.lnk"),
            "C:\\Program Files\\青禾音乐盒程序\\卸载.exe");
  EXPECT_EQ(sim::ShellLinkTarget(product + "\\官方网址.lnk"), kWebAddress);
}

TEST_F(InstallRun, EachFileIsOneWriteStraightFromTheEmbeddedBytes) {
  RunPlan("C:\\Program Files\\");
  const std::vector<sim::WriteCall>& writes = sim::Writes();
  ASSERT_EQ(writes.size(), static_cast<size_t>(kPayloadCount));
  for (int i = 1; i <= kPayloadCount; ++i) {
    EXPECT_EQ(writes[i - 1].bytes, PayloadAt(i).block.bytes) << i;
    EXPECT_EQ(writes[i - 1].length, static_cast<uint32_t>(PayloadAt(i).block.length)) << i;
  }
}

// The operation lines of the trace, in order: "CreateDirectoryA <path>" and so on.
std::vector<std::string> Operations() {
  std::vector<std::string> ops;
  for (const std::string& line : sim::Calls()) {
    for (const char* name : {"CreateDirectoryA ", "CreateFileA ", "SetFileAttributesA ",
                             "IPersistFile::Save ", "IShellLinkA::SetPath "}) {
      if (line.rfind(name, 0) != 0) continue;
      std::string rest = line.substr(std::string(name).size());
      if (std::string(name) == "CreateFileA ") rest = rest.substr(0, rest.find(" GENERIC_WRITE"));
      if (std::string(name) == "SetFileAttributesA ") rest = rest.substr(0, rest.rfind(' '));
      ops.push_back(std::string(name) + rest);
    }
  }
  return ops;
}

struct TargetCase {
  const char* root;
  std::vector<std::pair<int, std::string>> expected;  // operation index, line
};

TEST_F(InstallRun, TargetsAreTheBaseFollowedByTheRelativeText) {
  const std::string desktop = std::string(kDesktop) + "\\";
  const std::string programs = std::string(kPrograms) + "\\";
  const TargetCase cases[] = {
      {"C:\\Program Files\\",
       {{0, "CreateDirectoryA C:\\Program Files\\青禾音乐盒程序"},
        {3, "CreateDirectoryA C:\\Program Files\\青禾音乐盒程序\\tade"},
        {5, "CreateDirectoryA " + programs + "青禾音乐盒程序"},
        {8, "CreateFileA C:\\Program Files\\\\青禾音乐盒程序\\tade\\配置文件.ini"},
        {24, "SetFileAttributesA C:\\Program Files\\\\青禾音乐盒程序\\com.run"},
        {36, "IShellLinkA::SetPath C:\\Program Files\\青禾音乐盒程序\\青禾音乐盒.exe"},
        {37, "IPersistFile::Save " + desktop + "青禾音乐盒.lnk"},
        {43, "IPersistFile::Save C:\\Program Files\\\\青禾音乐盒程序\\官方网址.lnk"}}},
      // A drive root, as the folder picker gives it.
      {"D:\\",
       {{0, "CreateDirectoryA D:\\青禾音乐盒程序"},
        {6, "CreateFileA D:\\\\青禾音乐盒程序\\青禾音乐盒.exe"},
        {42, "IShellLinkA::SetPath http://www.qinghe-music.example/"}}},
      // Typed without a backslash: every target is formed as if it had one.
      {"D:\\Music",
       {{0, "CreateDirectoryA D:\\Music\\青禾音乐盒程序"},
        {4, "CreateDirectoryA D:\\Music\\青禾音乐盒程序\\yx"},
        {6, "CreateFileA D:\\Music\\\\青禾音乐盒程序\\青禾音乐盒.exe"},
        {40, "IShellLinkA::SetPath D:\\Music\\青禾音乐盒程序\\卸载.exe"}}},
  };
  for (const TargetCase& c : cases) {
    sim::Reset();
    sim::AddDrive('D');
    sim::MakeFolder("D:\\Music");
    RunResult result = RunPlan(c.root);
    EXPECT_TRUE(result.failures.empty()) << c.root;
    std::vector<std::string> ops = Operations();
    // 6 folders, 18 files, 12 attributes, 4 shortcuts of two lines each.
    ASSERT_EQ(ops.size(), 6u + 18u + 12u + 8u) << c.root;
    for (const auto& [index, line] : c.expected) EXPECT_EQ(ops[index], line) << c.root;
    EXPECT_FALSE(sim::Exists("D:\\Music青禾音乐盒程序"));
  }
}

// Every operation of a run into the default root, written out from the plan's description.
TEST_F(InstallRun, AllFortyActionsWithTheDefaultRoot) {
  RunPlan("C:\\Program Files\\");
  const std::string r = "C:\\Program Files\\";
  const std::string p = r + "\\青禾音乐盒程序\\";
  const std::string programs = std::string(kPrograms) + "\\";
  std::vector<std::string> expected = {
      "CreateDirectoryA " + r + "青禾音乐盒程序",
      "CreateDirectoryA " + r + "青禾音乐盒程序\\音乐文件",
      "CreateDirectoryA " + r + "青禾音乐盒程序\\udin",
      "CreateDirectoryA " + r + "青禾音乐盒程序\\tade",
      "CreateDirectoryA " + r + "青禾音乐盒程序\\yx",
      "CreateDirectoryA " + programs + "青禾音乐盒程序",
  };
  const char* files[] = {"青禾音乐盒.exe",
                         "卸载.exe",
                         "tade\\配置文件.ini",
                         "tade\\配置文件教程.ini",
                         "使用说明.txt",
                         "青禾音乐盒v2.0版本更新信息.txt",
                         "com.run",
                         "dp1.fne",
                         "eAPI.fne",
                         "EThread.fne",
                         "HtmlView.fne",
                         "iext5.fne",
                         "iext.fnr",
                         "internet.fne",
                         "krnln.fnr",
                         "shell.fne",
                         "shellEx.fne",
                         "spec.fne"};
  for (const char* file : files) expected.push_back("CreateFileA " + p + file);
  for (int i = 6; i < 18; ++i) expected.push_back("SetFileAttributesA " + p + files[i]);
  const std::pair<std::string, std::string> links[] = {
      {std::string(kDesktop) + "\\青禾音乐盒.lnk", r + "青禾音乐盒程序\\青禾音乐盒.exe"},
      {programs + "青禾音乐盒程序\\青禾音乐盒.lnk", r + "青禾音乐盒程序\\青禾音乐盒.exe"},
      {programs + "青禾音乐盒程序\\卸载.lnk", r + "青禾音乐盒程序\\卸载.exe"},
      {p + "官方网址.lnk", kWebAddress},
  };
  for (const auto& [link, target] : links) {
    expected.push_back("IShellLinkA::SetPath " + target);
    expected.push_back("IPersistFile::Save " + link);
  }
  EXPECT_EQ(Operations(), expected);
  // The attribute actions ask for exactly hidden and system.
  EXPECT_EQ(wizard::CountCalls("SetFileAttributesA"), 12);
  for (const std::string& line : sim::Calls())
    if (line.rfind("SetFileAttributesA", 0) == 0) EXPECT_EQ(line.substr(line.rfind(' ')), " 0x6");
}

TEST_F(InstallRun, PlanOrderFoldersThenFilesThenAttributesThenShortcuts) {
  RunPlan("C:\\Program Files\\");
  std::vector<std::string> ops = Operations();
  auto first = [&](const char* prefix) {
    return std::find_if(ops.begin(), ops.end(),
                        [&](const std::string& op) { return op.rfind(prefix, 0) == 0; }) -
           ops.begin();
  };
  auto last = [&](const char* prefix) {
    long index = -1;
    for (size_t i = 0; i < ops.size(); ++i)
      if (ops[i].rfind(prefix, 0) == 0) index = static_cast<long>(i);
    return index;
  };
  EXPECT_LT(last("CreateDirectoryA"), first("CreateFileA"));
  EXPECT_LT(last("CreateFileA"), first("SetFileAttributesA"));
  EXPECT_LT(last("SetFileAttributesA"), first("IShellLinkA::SetPath"));
  for (int i = 0; i < kPayloadCount; ++i)
    EXPECT_NE(ops[6 + i].find(kPayloadPaths[i]), std::string::npos) << i;  // payload order
}

TEST_F(InstallRun, SpecialFoldersAreAskedForAnewAndShortcutsCarryOnlyAPath) {
  RunPlan("C:\\Program Files\\");
  std::vector<std::string> asked, link_calls;
  for (const std::string& line : sim::Calls()) {
    if (line.rfind("SHGetSpecialFolderPathA", 0) == 0) asked.push_back(line.substr(24));
    if (line.rfind("IShellLinkA::", 0) == 0) link_calls.push_back(line.substr(13));
  }
  const std::vector<std::string> expected = {"CSIDL_PROGRAMS", "CSIDL_DESKTOPDIRECTORY",
                                             "CSIDL_PROGRAMS", "CSIDL_PROGRAMS"};
  EXPECT_EQ(asked, expected);
  ASSERT_EQ(link_calls.size(), 8u);
  for (size_t i = 0; i < 8; i += 2) {
    EXPECT_EQ(link_calls[i].rfind("SetPath ", 0), 0u);
    EXPECT_EQ(link_calls[i + 1], "SetShowCmd SW_SHOW");
  }
}

// The call that carries out an action, and which call of its kind it is in a run.
std::pair<const char*, int> CallOf(int number) {
  if (number <= 6) return {"CreateDirectoryA", number};
  if (number <= 24) return {"CreateFileA", number - 6};
  if (number <= 36) return {"SetFileAttributesA", number - 24};
  return {"IPersistFile::Save", number - 36};
}

// Actions whose targets lie inside the target of a folder action.
std::set<int> InsideFolder(int folder, const std::string& root) {
  std::set<int> inside;
  auto normal = [](std::string path) {
    for (size_t at; (at = path.find("\\\\", 2)) != std::string::npos;) path.erase(at, 1);
    return path;
  };
  std::string prefix = normal(TargetOf(InstallPlan[folder - 1], root)) + "\\";
  for (int n = 1; n <= kInstallActionCount; ++n)
    if (normal(TargetOf(InstallPlan[n - 1], root)).rfind(prefix, 0) == 0) inside.insert(n);
  return inside;
}

TEST_F(InstallRun, EachActionFailingAloneIsRecordedAndEverythingElseStillHappens) {
  const std::string root = "C:\\Program Files\\";
  RunPlan(root);
  const std::map<std::string, std::string> good = sim::Snapshot();
  for (int n = 1; n <= kInstallActionCount; ++n) {
    SCOPED_TRACE("action " + std::to_string(n));
    sim::Reset();
    auto [call, nth] = CallOf(n);
    sim::FailCall(call, nth, 5);  // ERROR_ACCESS_DENIED
    RunResult result = RunPlan(root);
    std::set<int> expected = {n};
    if (InstallPlan[n - 1].kind == ActionKind::MakeDirectory)
      for (int inside : InsideFolder(n, root)) expected.insert(inside);
    if (InstallPlan[n - 1].kind == ActionKind::WritePayloadFile && InstallPlan[n - 1].payload >= 7)
      expected.insert(n + 12);  // no file, so no attributes for it
    EXPECT_EQ(Recorded(result), expected);
    for (const Failure& f : result.failures) {
      if (f.action != n) continue;
      EXPECT_EQ(f.error, n >= 37 ? 0x80070005u : 5u);
      EXPECT_EQ(f.target, TargetOf(InstallPlan[n - 1], root));
    }
    ExpectTruthfulRecord(result, root);
    // Nothing appeared that a good run does not make, and nothing else differs.
    for (const auto& [path, entry] : sim::Snapshot()) {
      auto it = good.find(path);
      ASSERT_NE(it, good.end()) << path;
      if (InstallPlan[n - 1].kind != ActionKind::SetAttributes)
        EXPECT_EQ(entry, it->second) << path;
    }
  }
}

TEST_F(InstallRun, DiskFullInTheLargestFileLeavesWhatWasWrittenAndSaysSo) {
  int largest = 1;
  long long before = 0;
  for (int i = 1; i <= kPayloadCount; ++i)
    if (PayloadAt(i).block.length > PayloadAt(largest).block.length) largest = i;
  for (int i = 1; i < largest; ++i) before += PayloadAt(i).block.length;
  const long long half = PayloadAt(largest).block.length / 2;
  sim::SetFreeSpace('C', before + half);
  RunResult result = RunPlan("C:\\Program Files\\");
  std::string path = std::string("C:\\Program Files") + kPayloadPaths[largest - 1];
  EXPECT_EQ(sim::FileBytes(path), PayloadBytes(largest).substr(0, half));
  ASSERT_FALSE(result.failures.empty());
  bool named = false;
  for (const Failure& f : result.failures)
    if (f.action == 6 + largest) named = f.error == 112u;
  EXPECT_TRUE(named);
  ExpectTruthfulRecord(result, "C:\\Program Files\\");
}

struct BlockedFileCase {
  const char* name;
  int payload;
  void (*block)(const std::string& path);
  uint32_t error;
};

const BlockedFileCase kBlockedFiles[] = {
    {"held open", 15, [](const std::string& p) { sim::HoldOpen(p); }, 32},
    {"read-only", 1, [](const std::string& p) { sim::MakeFile(p, "old", 0x01); }, 5},
};

TEST_F(InstallRun, AFileThatCannotBeReplacedStaysAsItWasAndIsRecorded) {
  for (const BlockedFileCase& c : kBlockedFiles) {
    SCOPED_TRACE(c.name);
    sim::Reset();
    RunPlan("C:\\Program Files\\");
    std::string path = std::string("C:\\Program Files") + kPayloadPaths[c.payload - 1];
    c.block(path);
    std::string bytes = sim::FileBytes(path);
    uint32_t attributes = sim::Attributes(path);
    RunResult result = RunPlan("C:\\Program Files\\");
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].action, 6 + c.payload);
    EXPECT_EQ(result.failures[0].error, c.error);
    EXPECT_EQ(sim::FileBytes(path), bytes);
    EXPECT_EQ(sim::Attributes(path), attributes);
  }
}

TEST_F(InstallRun, NoLinkObjectMeansFourRecordedShortcutsAndNoLinkFiles) {
  sim::SetLinkObjectAvailable(false);
  RunResult result = RunPlan("C:\\Program Files\\");
  EXPECT_EQ(Recorded(result), (std::set<int>{37, 38, 39, 40}));
  EXPECT_FALSE(sim::Exists(std::string(kDesktop) + "\\青禾音乐盒.lnk"));
  ExpectTruthfulRecord(result, "C:\\Program Files\\");
}

TEST_F(InstallRun, AMissingSpecialFolderFailsItsActionsAndCreatesNothingElsewhere) {
  const struct {
    sim::SpecialKind kind;
    std::set<int> failed;
  } cases[] = {
      {sim::SpecialKind::DesktopDirectory, {37}},
      {sim::SpecialKind::Programs, {6, 38, 39}},
  };
  for (const auto& c : cases) {
    sim::Reset();
    RunPlan("C:\\Program Files\\");
    const std::map<std::string, std::string> good = sim::Snapshot();
    sim::Reset();
    sim::SetSpecialFolder(c.kind, "");
    RunResult result = RunPlan("C:\\Program Files\\");
    EXPECT_EQ(Recorded(result), c.failed);
    for (const auto& [path, entry] : sim::Snapshot()) EXPECT_TRUE(good.count(path)) << path;
    // Nothing lands beside the installer or in the current directory instead.
    EXPECT_FALSE(sim::Exists("C:\\Windows\\system32\\青禾音乐盒.lnk"));
    EXPECT_FALSE(sim::Exists("C:\\Windows\\system32\\青禾音乐盒程序"));
  }
}

TEST_F(InstallRun, ARootOnAMissingDriveFailsEverythingBelowItButNotTheMenus) {
  RunResult result = RunPlan("Q:\\");
  std::set<int> expected;
  for (int n = 1; n <= kInstallActionCount; ++n)
    if (InstallPlan[n - 1].base == Base::InstallRootBase) expected.insert(n);
  EXPECT_EQ(Recorded(result), expected);
  EXPECT_EQ(sim::ShellLinkTarget(std::string(kDesktop) + "\\青禾音乐盒.lnk"),
            "Q:\\青禾音乐盒程序\\青禾音乐盒.exe");
}

TEST_F(InstallRun, InstallingTwiceGivesTheSameTreeAndKeepsTheUsersSettings) {
  RunPlan("C:\\Program Files\\");
  const std::map<std::string, std::string> first = sim::Snapshot();
  size_t before = sim::Calls().size();
  RunResult again = RunPlan("C:\\Program Files\\");
  EXPECT_TRUE(again.failures.empty());
  // Each file is opened with normal attributes first; only the twelve hidden and system ones,
  // which Windows refuses so, are opened again with their own attributes.
  int normal = 0, hidden_system = 0;
  for (size_t i = before; i < sim::Calls().size(); ++i) {
    const std::string& line = sim::Calls()[i];
    if (line.rfind("CreateFileA", 0) != 0) continue;
    if (line.substr(line.rfind(' ')) == " 0x80") ++normal;
    if (line.substr(line.rfind(' ')) == " 0x6") ++hidden_system;
  }
  EXPECT_EQ(normal, 17);  // the settings file is kept, not opened
  EXPECT_EQ(hidden_system, 12);
  EXPECT_EQ(sim::Snapshot(), first);  // the hidden and system files were replaced too

  const std::string settings = std::string(kProduct) + "\\tade\\配置文件.ini";
  sim::MakeFile(settings, "[播放列表]\r\n我的歌=我的歌.mp3\r\n", 0x20);
  RunResult third = RunPlan("C:\\Program Files\\");
  EXPECT_TRUE(third.failures.empty());
  EXPECT_EQ(sim::FileBytes(settings), "[播放列表]\r\n我的歌=我的歌.mp3\r\n");
}

}  // namespace
