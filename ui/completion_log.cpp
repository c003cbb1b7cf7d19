#include "ui/completion_log.h"

#include <cstring>

#include "install/install_run.h"

namespace {

// "N" for a count of up to 40 items.
void FormatCount(int count, char* out) {
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + count % 10);
    count /= 10;
  } while (count > 0);
  for (int i = 0; i < n; ++i) out[i] = digits[n - 1 - i];
  out[n] = '\0';
}

// Each line follows the root; the last two only when everything was installed.
constexpr const char* kInstalledLines[] = {
    "青禾音乐盒程序\\数据导出中...\r\n",
    "青禾音乐盒程序\\音乐文件\r\n",
    "青禾音乐盒程序\\udin\r\n",
    "青禾音乐盒程序\\tade\r\n",
    "青禾音乐盒程序\\yx\r\n",
    "青禾音乐盒程序\\青禾音乐盒.exe\r\n",
    "青禾音乐盒程序\\tade\\配置文件.ini\r\n",
    "青禾音乐盒程序\\使用说明.txt\r\n",
    "青禾音乐盒程序\\tade\\配置文件教程.ini\r\n",
    "青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt\r\n",
    "青禾音乐盒程序\\官方网址快捷方式.lnk\r\n",
    "青禾音乐盒程序\\卸载.exe\r\n",
};
constexpr const char* kCompleteLines[] = {"数据导入完成...\r\n", "安装成功...."};

Text AppendLines(Program& program, Text log, const char* root, const char* sep,
                 const char* const* lines, int count) {
  for (int i = 0; i < count; ++i) log = JoinTexts(program, {log.c_str(), root, sep, lines[i]});
  return log;
}

// A target as a user reads it: one backslash between names (a leading \\ stays).
Text DisplayPath(Program& program, const char* path) {
  Text shown = JoinTexts(program, {path});
  char* out = shown.data();
  size_t length = 0;
  for (size_t i = 0; path[i] != '\0'; ++i) {
    unsigned char byte = static_cast<unsigned char>(path[i]);
    if (byte >= 0x81 && byte <= 0xFE && path[i + 1] != '\0') {
      out[length++] = path[i++];  // a trail byte of 0x5C is no separator
    } else if (byte == '\\' && length > 1 && out[length - 1] == '\\') {
      continue;
    }
    out[length++] = path[i];
  }
  out[length] = '\0';
  return shown;
}

// Lines 13 on when something failed: how many items, then each of them once. A support
// module that could not be written also failed its attributes: one item, not two.
Text FailureLines(Program& program, Text log) {
  const InstallReport& report = program.install_report;
  Text items = JoinTexts(program, {});
  int count = 0;
  for (int i = 0; i < report.failure_count; ++i) {
    Text shown = DisplayPath(program, report.failures[i].target.c_str());
    Text line = JoinTexts(program, {"\r\n", shown.c_str(), "\r\n"});
    Text listed = JoinTexts(program, {items.c_str(), "\r\n"});
    if (std::strstr(listed.c_str(), line.c_str())) continue;
    items = JoinTexts(program, {items.c_str(), "\r\n", shown.c_str()});
    ++count;
  }
  char number[12];
  FormatCount(count, number);
  return JoinTexts(program,
                   {log.c_str(), "安装未完成：有 ", number, " 项未能完成安装：", items.c_str()});
}

}  // namespace

Text CompletionLog(Program& program) {
  const char* root = program.InstallRoot.c_str();
  const char* sep = RootSeparator(program);
  Text log = AppendLines(program, JoinTexts(program, {}), root, sep, kInstalledLines, 12);
  if (program.install_report.failure_count > 0)
    return FailureLines(program, static_cast<Text&&>(log));
  return AppendLines(program, static_cast<Text&&>(log), root, sep, kCompleteLines, 2);
}
