#include "install/install_run.h"

#include "install/file_shell_ops.h"
#include "install/install_plan.h"

namespace {

void Record(Program& program, int number, ActionKind kind, Text target, uint32_t error) {
  InstallReport& report = program.install_report;
  InstallFailure& failure = report.failures[report.failure_count++];
  failure.action = number;
  failure.kind = kind;
  failure.target = static_cast<Text&&>(target);
  failure.error = error;
}

// The base and relative text joined into the action's target; missing when a special folder
// cannot be determined.
Text Target(Program& program, const InstallAction& action) {
  if (action.base == Base::InstallRootBase)
    return JoinTexts(program,
                     {program.InstallRoot.c_str(), RootSeparator(program), action.relative});
  Text folder = GetSpecialFolder(program, action.base == Base::DesktopBase
                                              ? plat::SpecialFolder::DesktopDirectory
                                              : plat::SpecialFolder::Programs);
  if (folder.missing()) return Text();
  Text target = JoinTexts(program, {folder.c_str(), action.relative});
  folder.Release();
  return target;
}

OpResult Perform(Program& program, const InstallAction& action, const char* target) {
  switch (action.kind) {
    case ActionKind::MakeDirectory: {
      OpResult result = CreateFolder(target);
      if (!result.ok && result.error == kErrorAlreadyExists && IsFolder(target)) result = {true, 0};
      return result;
    }
    case ActionKind::WritePayloadFile:
      if (action.keep_existing && Exists(target)) return {true, 0};
      return WriteFileBlocks(target, PayloadAt(action.payload).block);
    case ActionKind::SetAttributes:
      return ApplyFileAttributes(target, action.attributes);
    case ActionKind::MakeShortcut: {
      if (action.web) return CreateShortcut(target, action.link_target);
      // One separator between root and product folder: the shell keeps the target as given.
      Text link = JoinTexts(
          program, {program.InstallRoot.c_str(), RootSeparator(program), action.link_target + 1});
      return CreateShortcut(target, link.c_str());
    }
  }
  return {false, kErrorInvalidName};
}

}  // namespace

const char* RootSeparator(const Program& program) {
  return EndsWithBackslash(program.InstallRoot.c_str()) ? "" : "\\";
}

void RunInstallPlan(Program& program) {
  program.install_report.ran = true;
  for (int i = 0; i < kInstallActionCount; ++i) {
    const InstallAction& action = InstallPlan[i];
    Text target = Target(program, action);
    if (target.missing()) {
      // Never fall back to the installer's own folder for a folder the shell cannot name.
      Record(program, i + 1, action.kind, JoinTexts(program, {action.relative}),
             kErrorPathNotFound);
      continue;
    }
    OpResult result = Perform(program, action, target.c_str());
    if (!result.ok) Record(program, i + 1, action.kind, static_cast<Text&&>(target), result.error);
  }
}
