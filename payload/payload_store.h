// The 18 files the installer carries, embedded verbatim when the installer is built.
#pragma once

#include <cstdint>

struct ByteBlock {
  int32_t length;
  const unsigned char* bytes;  // read-only, owned by the executable image
};

struct PayloadEntry {
  const char* relative;  // below InstallRoot, starting with a backslash
  ByteBlock block;
};

constexpr int kPayloadCount = 18;

// Relative paths in install order; the install plan uses the same texts.
inline constexpr const char* kPayloadPaths[kPayloadCount] = {
    "\\青禾音乐盒程序\\青禾音乐盒.exe",
    "\\青禾音乐盒程序\\卸载.exe",
    "\\青禾音乐盒程序\\tade\\配置文件.ini",
    "\\青禾音乐盒程序\\tade\\配置文件教程.ini",
    "\\青禾音乐盒程序\\使用说明.txt",
    "\\青禾音乐盒程序\\青禾音乐盒v2.0版本更新信息.txt",
    "\\青禾音乐盒程序\\com.run",
    "\\青禾音乐盒程序\\dp1.fne",
    "\\青禾音乐盒程序\\eAPI.fne",
    "\\青禾音乐盒程序\\EThread.fne",
    "\\青禾音乐盒程序\\HtmlView.fne",
    "\\青禾音乐盒程序\\iext5.fne",
    "\\青禾音乐盒程序\\iext.fnr",
    "\\青禾音乐盒程序\\internet.fne",
    "\\青禾音乐盒程序\\krnln.fnr",
    "\\青禾音乐盒程序\\shell.fne",
    "\\青禾音乐盒程序\\shellEx.fne",
    "\\青禾音乐盒程序\\spec.fne",
};

// Entry at a PayloadIndex, 1 to 18: a view of the embedded bytes, never a copy.
PayloadEntry PayloadAt(int index);
