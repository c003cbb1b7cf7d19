#include "ui/completion_log.h"

Text CompletionLog(Program& program) {
  const char* root = program.InstallRoot.c_str();
  return JoinTexts(program, {
      root, "青禾音乐盒程序\\数据导出中...\r\n",
      root, "青禾音乐盒程序\\音乐文件\r\n",
      root, "青禾音乐盒程序\\udin\r\n",
      root, "青禾音乐盒程序\\tade\r\n",
      root, "青禾音乐盒程序\\yx\r\n",
      root, "青禾音乐盒程序\\青禾音乐盒.exe\r\n",
      root, "青禾音乐盒程序\\tade\\配置文件.ini\r\n",
      root, "青禾音乐盒程序\\使用说明.txt\r\n",
      root, "青禾音乐盒程序\\tade\\配置文件教程.ini\r\n",
      root, "青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt\r\n",
      root, "青禾音乐盒程序\\官方网址快捷方式.lnk\r\n",
      root, "青禾音乐盒程序\\卸载.exe\r\n",
      root, "数据导入完成...\r\n",
      root, "安装成功....",
  });
}
