#include "ui/completion_log.h"

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

Text InstalledLines(Program& program, const char* root, const char* sep) {
  return JoinTexts(program, {
      root, sep, "青禾音乐盒程序\\数据导出中...\r\n",
      root, sep, "青禾音乐盒程序\\音乐文件\r\n",
      root, sep, "青禾音乐盒程序\\udin\r\n",
      root, sep, "青禾音乐盒程序\\tade\r\n",
      root, sep, "青禾音乐盒程序\\yx\r\n",
      root, sep, "青禾音乐盒程序\\青禾音乐盒.exe\r\n",
      root, sep, "青禾音乐盒程序\\tade\\配置文件.ini\r\n",
      root, sep, "青禾音乐盒程序\\使用说明.txt\r\n",
      root, sep, "青禾音乐盒程序\\tade\\配置文件教程.ini\r\n",
      root, sep, "青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt\r\n",
      root, sep, "青禾音乐盒程序\\官方网址快捷方式.lnk\r\n",
      root, sep, "青禾音乐盒程序\\卸载.exe\r\n",
  });
}

// Says plainly that the installation is incomplete and names every target that failed.
Text FailureLines(Program& program, Text log) {
  const InstallReport& report = program.install_report;
  char count[12];
  FormatCount(report.failure_count, count);
  log = JoinTexts(program, {log.c_str(), "安装未完成：有 ", count, " 项未能完成安装："});
  for (int i = 0; i < report.failure_count; ++i)
    log = JoinTexts(program, {log.c_str(), "\r\n", report.failures[i].target.c_str()});
  return log;
}

}  // namespace

Text CompletionLog(Program& program) {
  const char* root = program.InstallRoot.c_str();
  const char* sep = RootSeparator(program);
  Text log = InstalledLines(program, root, sep);
  if (program.install_report.failure_count > 0) return FailureLines(program, static_cast<Text&&>(log));
  return JoinTexts(program, {log.c_str(), root, sep, "数据导入完成...\r\n", root, sep, "安装成功...."});
}
