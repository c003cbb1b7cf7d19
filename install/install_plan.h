// The installer's one job, written down as data.
#pragma once

#include <cstdint>

enum class ActionKind : uint8_t { MakeDirectory, WritePayloadFile, SetAttributes, MakeShortcut };
enum class Base : uint8_t { InstallRootBase, DesktopBase, ProgramsBase };

struct InstallAction {
  ActionKind kind;
  Base base;
  const char* relative;     // appended to the base text
  int payload;              // WritePayloadFile: PayloadIndex, 1 to 18
  uint32_t attributes;      // SetAttributes
  const char* link_target;  // MakeShortcut: below InstallRoot, or the web address when web
  bool web;                 // MakeShortcut: link_target is the web address itself
  bool keep_existing;       // WritePayloadFile: an existing file is the user's and stays
};

constexpr int kInstallActionCount = 40;
extern const InstallAction InstallPlan[kInstallActionCount];

constexpr const char* kProductFolder = "青禾音乐盒程序";
constexpr const char* kWebAddress = "http://www.qinghe-music.example/";
