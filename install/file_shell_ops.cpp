#include "install/file_shell_ops.h"

#include <cstring>

namespace {

constexpr unsigned kPathBuffer = 260 + 1;  // MAX_PATH and one appended separator
constexpr uint32_t kKeptByReplace = plat::kAttributeHidden | plat::kAttributeSystem;

OpResult Outcome(bool ok) {
  return {ok, ok ? 0 : plat::LastError()};
}

}  // namespace

bool IsFolder(const char* path) {
  uint32_t attributes = plat::GetFileAttributes(path);
  return attributes != plat::kNoAttributes && (attributes & plat::kAttributeDirectory);
}

bool Exists(const char* path) {
  return plat::GetFileAttributes(path) != plat::kNoAttributes;
}

OpResult CreateFolder(const char* path) {
  return Outcome(plat::CreateDirectory(path));
}

// CREATE_ALWAYS with normal attributes, as for any file; Windows refuses that for an existing
// hidden or system file, which is then opened again asking for its own attributes.
static plat::File OpenForReplace(const char* path, uint32_t* error) {
  plat::File file = plat::CreateFileForWrite(path, plat::kAttributeNormal);
  if (file) return file;
  *error = plat::LastError();
  if (*error != kErrorAccessDenied) return 0;
  uint32_t existing = plat::GetFileAttributes(path);
  if (existing == plat::kNoAttributes || !(existing & kKeptByReplace)) return 0;
  file = plat::CreateFileForWrite(path, existing & kKeptByReplace);
  if (!file) *error = plat::LastError();
  return file;
}

OpResult WriteFileBlocks(const char* path, ByteBlock block) {
  if (path[0] == '\0') return {false, kErrorInvalidName};
  uint32_t error = 0;
  plat::File file = OpenForReplace(path, &error);
  if (!file) return {false, error};
  OpResult result = {true, 0};
  if (block.length > 0) {
    uint32_t written = 0;
    uint32_t length = static_cast<uint32_t>(block.length);
    if (!plat::WriteFile(file, block.bytes, length, &written)) {
      result = Outcome(false);
    } else if (written != length) {
      result = {false, kErrorDiskFull};
    }
  }
  if (!plat::CloseFile(file) && result.ok) result = Outcome(false);
  return result;
}

OpResult ApplyFileAttributes(const char* path, uint32_t attributes) {
  return Outcome(plat::SetFileAttributes(path, attributes & 0x27));
}

Text GetSpecialFolder(Program& program, plat::SpecialFolder folder) {
  char buffer[kPathBuffer + 1] = {};
  if (!plat::SpecialFolderPath(folder, buffer) || buffer[0] == '\0') return Text();
  size_t length = std::strlen(buffer);
  // The byte, not the character: a folder ending in a GBK trail byte 0x5C gets none.
  return JoinTexts(program, {buffer, buffer[length - 1] == '\\' ? "" : "\\"});
}

Text BrowseForFolder(Program& program, const char* title) {
  plat::Handle active = plat::ActiveWindow();
  if (active && !plat::IsWindow(active)) active = 0;
  plat::Handle foreground = plat::ForegroundWindow();
  plat::Handle disabled[kPageCount] = {};
  bool was_enabled[kPageCount] = {};
  int count = 0;
  for (const PageSlot& slot : program.pages) {
    if (!slot.window || !plat::IsWindow(slot.window) || plat::ParentOf(slot.window)) continue;
    disabled[count] = slot.window;
    was_enabled[count++] = plat::IsWindowEnabled(slot.window);
    plat::EnableWindow(slot.window, false);
  }
  char buffer[kPathBuffer] = {};
  plat::Picked picked = plat::PickFolder(active, title, buffer);
  for (int i = 0; i < count; ++i) plat::EnableWindow(disabled[i], was_enabled[i]);
  if (foreground && plat::IsWindow(foreground)) plat::SetForegroundWindow(foreground);
  if (active && plat::IsWindow(active)) plat::SetActiveWindow(active);
  if (picked != plat::Picked::Path || buffer[0] == '\0') return Text();
  return JoinTexts(program, {buffer});
}

OpResult CreateShortcut(const char* link_path, const char* target) {
  int32_t result = plat::CreateShellLink(link_path, target);
  return {result >= 0, static_cast<uint32_t>(result)};
}
