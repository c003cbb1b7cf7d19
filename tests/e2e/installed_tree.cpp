#include "installed_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "gbk.h"
#include "host_files.h"
#include "process.h"
#include "wine.h"

const char kProduct[] = "青禾音乐盒程序";
const char kWebAddress[] = "http://www.qinghe-music.example/";

std::string ProductFolderOf(const std::string& root) {
  bool ends_in_separator = !root.empty() && root.back() == '\\';
  return root + (ends_in_separator ? "" : "\\") + kProduct;
}

std::string DesktopFolder() {
  return ProfileFolder() + "\\Desktop";
}

std::string ProgramsFolder() {
  return ProfileFolder() + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
}

std::vector<TreeEntry> ListTree(const std::string& windows_folder) {
  DriverResult listed = Driver({"tree", "hex:" + Hex(Gbk(windows_folder))});
  std::vector<TreeEntry> entries;
  if (!listed.ok) return entries;
  for (const Fields& line : listed.lines) {
    TreeEntry entry;
    entry.path = Utf8(FromHex(line.at("path")));
    entry.attrib = static_cast<unsigned>(std::stoul(line.at("attrib"), nullptr, 16));
    entry.size = std::stoull(line.at("size"));
    entry.folder = line.at("folder") == "1";
    entries.push_back(entry);
  }
  return entries;
}

// "<tabs>Key<tabs>: value" lines of lnkinfo's report.
static bool FieldOf(const std::string& line, const std::string& key, std::string* value) {
  size_t start = line.find_first_not_of('\t');
  if (start == std::string::npos || line.compare(start, key.size(), key) != 0) return false;
  size_t colon = line.find(": ", start + key.size());
  if (colon == std::string::npos ||
      line.find_first_not_of('\t', start + key.size()) != line.find(':', start + key.size()))
    return false;
  *value = line.substr(colon + 2);
  return true;
}

Shortcut ReadShortcut(const std::string& windows_path) {
  Shortcut shortcut;
  RunResult info = Run({"lnkinfo", "-c", "windows-936", HostPathOf(windows_path)}, 20000);
  if (info.exit_code != 0) return shortcut;
  shortcut.read = true;
  std::istringstream lines(info.out);
  std::string line, value;
  while (std::getline(lines, line)) {
    if (FieldOf(line, "Local path", &value)) shortcut.local_path = value;
    if (FieldOf(line, "Name", &value)) shortcut.names.push_back(value);
  }
  return shortcut;
}

std::string GoodLog(const std::string& root) {
  static const char* const kLines[] = {
      "青禾音乐盒程序\\数据导出中...",
      "青禾音乐盒程序\\音乐文件",
      "青禾音乐盒程序\\udin",
      "青禾音乐盒程序\\tade",
      "青禾音乐盒程序\\yx",
      "青禾音乐盒程序\\青禾音乐盒.exe",
      "青禾音乐盒程序\\tade\\配置文件.ini",
      "青禾音乐盒程序\\使用说明.txt",
      "青禾音乐盒程序\\tade\\配置文件教程.ini",
      "青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt",
      "青禾音乐盒程序\\官方网址快捷方式.lnk",
      "青禾音乐盒程序\\卸载.exe",
      "数据导入完成...",
      "安装成功....",
  };
  std::string base = root.empty() || root.back() == '\\' ? root : root + "\\";
  std::string log;
  for (const char* line : kLines) log += (log.empty() ? "" : "\r\n") + base + line;
  return log;
}

static bool HiddenAndSystem(const std::string& name) {
  auto ends = [&](const std::string& tail) {
    return name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
  };
  return name == "com.run" || ends(".fne") || ends(".fnr");
}

static void ExpectFolders(const std::string& product) {
  std::vector<std::string> folders;
  for (const TreeEntry& entry : ListTree(product))
    if (entry.folder) folders.push_back(entry.path);
  std::sort(folders.begin(), folders.end());
  std::vector<std::string> expected{"tade", "udin", "yx", "音乐文件"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folders, expected) << "folders of " << product;
}

// Every file of the payload, byte for byte, and nothing else but the web-site shortcut.
static void ExpectFiles(const std::string& product) {
  std::string payload_dir = PathOfPayload();
  std::vector<std::string> expected = FilesBelow(payload_dir);
  ASSERT_EQ(expected.size(), 18u) << "the payload in " << payload_dir;
  expected.push_back("官方网址.lnk");
  std::sort(expected.begin(), expected.end());
  std::string host = HostPathOf(product);
  EXPECT_EQ(FilesBelow(host), expected) << "files of " << product;
  for (const std::string& file : FilesBelow(payload_dir)) {
    std::string want, got;
    ASSERT_TRUE(ReadBytes(payload_dir + "/" + file, &want));
    EXPECT_TRUE(ReadBytes(host + "/" + file, &got)) << file << " is missing";
    EXPECT_TRUE(got == want) << file << " differs from the payload: " << got.size() << " bytes, "
                             << want.size() << " expected";
  }
}

// Hidden and system on com.run and the support modules only, through Windows's eyes and in
// the extended attribute where Wine keeps them.
static void ExpectAttributes(const std::string& product) {
  int hidden_count = 0;
  for (const TreeEntry& entry : ListTree(product)) {
    if (entry.folder) continue;
    std::string name = entry.path.substr(entry.path.rfind('\\') + 1);
    bool hidden = (entry.attrib & 0x6) == 0x6;
    hidden_count += hidden ? 1 : 0;
    std::string xattr = DosAttrib(HostPathOf(product + "\\" + entry.path));
    unsigned kept = xattr.empty() ? 0 : static_cast<unsigned>(std::stoul(xattr, nullptr, 16));
    if (HiddenAndSystem(name)) {
      EXPECT_EQ(entry.attrib & ~0x20u, 0x6u)
          << entry.path << " attrib 0x" << std::hex << entry.attrib;
      EXPECT_EQ(kept & 0x6, 0x6u) << entry.path << " user.DOSATTRIB \"" << xattr << "\"";
    } else {
      EXPECT_EQ(entry.attrib & 0x7, 0u) << entry.path << " attrib 0x" << std::hex << entry.attrib;
      EXPECT_EQ(kept & 0x7, 0u) << entry.path << " user.DOSATTRIB \"" << xattr << "\"";
    }
  }
  EXPECT_EQ(hidden_count, 12) << "hidden and system files in " << product;
}

static void ExpectShortcut(const std::string& link, const std::string& target) {
  Shortcut shortcut = ReadShortcut(link);
  ASSERT_TRUE(shortcut.read) << "lnkinfo cannot read " << link;
  EXPECT_EQ(shortcut.local_path, target) << link;
}

static void ExpectShortcuts(const std::string& product) {
  std::string programs = ProgramsFolder() + "\\" + kProduct;
  EXPECT_TRUE(IsFolder(HostPathOf(programs))) << programs;
  EXPECT_EQ(FilesBelow(HostPathOf(programs)),
            (std::vector<std::string>{"卸载.lnk", "青禾音乐盒.lnk"}))
      << "shortcuts in " << programs;
  ExpectShortcut(DesktopFolder() + "\\青禾音乐盒.lnk", product + "\\青禾音乐盒.exe");
  ExpectShortcut(programs + "\\青禾音乐盒.lnk", product + "\\青禾音乐盒.exe");
  ExpectShortcut(programs + "\\卸载.lnk", product + "\\卸载.exe");
  // Wine saves a web address as a file below the installer's folder: its shell item still
  // carries the address as its name.
  Shortcut web = ReadShortcut(product + "\\官方网址.lnk");
  ASSERT_TRUE(web.read) << "lnkinfo cannot read the web-site shortcut";
  ASSERT_FALSE(web.names.empty()) << "the web-site shortcut has no shell items";
  EXPECT_EQ(web.names.back(), kWebAddress);
}

void ExpectInstalledTree(const std::string& root) {
  std::string product = ProductFolderOf(root);
  ASSERT_TRUE(IsFolder(HostPathOf(product))) << product << " was not made";
  ExpectFolders(product);
  ExpectFiles(product);
  ExpectAttributes(product);
  ExpectShortcuts(product);
}

void RemoveInstallation(const std::string& root) {
  RemoveTree(HostPathOf(ProductFolderOf(root)));
  RemoveTree(HostPathOf(ProgramsFolder() + "\\" + kProduct));
  RemoveTree(HostPathOf(DesktopFolder() + "\\青禾音乐盒.lnk"));
}
