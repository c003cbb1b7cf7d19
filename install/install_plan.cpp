#include "install/install_plan.h"

#include "payload/payload_store.h"

namespace {

constexpr uint32_t kHiddenSystem = 6;

constexpr InstallAction Folder(Base base, const char* relative) {
  return {ActionKind::MakeDirectory, base, relative, 0, 0, nullptr, false, false};
}

constexpr InstallAction Write(int payload, bool keep_existing = false) {
  return {ActionKind::WritePayloadFile,
          Base::InstallRootBase,
          kPayloadPaths[payload - 1],
          payload,
          0,
          nullptr,
          false,
          keep_existing};
}

constexpr InstallAction Hide(int payload) {
  return {ActionKind::SetAttributes,
          Base::InstallRootBase,
          kPayloadPaths[payload - 1],
          0,
          kHiddenSystem,
          nullptr,
          false,
          false};
}

constexpr InstallAction Shortcut(Base base, const char* relative, const char* target,
                                 bool web = false) {
  return {ActionKind::MakeShortcut, base, relative, 0, 0, target, web, false};
}

}  // namespace

// Folders first, then every file in payload order, then attributes, then shortcuts.
const InstallAction InstallPlan[kInstallActionCount] = {
    Folder(Base::InstallRootBase, "青禾音乐盒程序"),
    Folder(Base::InstallRootBase, "青禾音乐盒程序\\音乐文件"),
    Folder(Base::InstallRootBase, "青禾音乐盒程序\\udin"),
    Folder(Base::InstallRootBase, "青禾音乐盒程序\\tade"),
    Folder(Base::InstallRootBase, "青禾音乐盒程序\\yx"),
    Folder(Base::ProgramsBase, "青禾音乐盒程序"),
    Write(1),
    Write(2),
    Write(3, true),  // the player's settings hold the user's playlist
    Write(4),
    Write(5),
    Write(6),
    Write(7),
    Write(8),
    Write(9),
    Write(10),
    Write(11),
    Write(12),
    Write(13),
    Write(14),
    Write(15),
    Write(16),
    Write(17),
    Write(18),
    Hide(7),
    Hide(8),
    Hide(9),
    Hide(10),
    Hide(11),
    Hide(12),
    Hide(13),
    Hide(14),
    Hide(15),
    Hide(16),
    Hide(17),
    Hide(18),
    Shortcut(Base::DesktopBase, "青禾音乐盒.lnk", kPayloadPaths[0]),
    Shortcut(Base::ProgramsBase, "青禾音乐盒程序\\青禾音乐盒.lnk", kPayloadPaths[0]),
    Shortcut(Base::ProgramsBase, "青禾音乐盒程序\\卸载.lnk", kPayloadPaths[1]),
    Shortcut(Base::InstallRootBase, "\\青禾音乐盒程序\\官方网址.lnk", kWebAddress, true),
};
