// The simulated shell: special folders, the folder picker and the shell link object.
#include <cstring>

#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace plat {

using namespace sim::detail;

namespace {

constexpr int32_t kClassNotRegistered = static_cast<int32_t>(0x80040154);
constexpr int32_t kNotInitialized = static_cast<int32_t>(0x800401F0);

int32_t FromWin32(uint32_t error) {
  return error ? static_cast<int32_t>(0x80070000u | (error & 0xFFFF)) : 0;
}

}  // namespace

bool SpecialFolderPath(SpecialFolder folder, char* buffer) {
  int index = folder == SpecialFolder::DesktopDirectory ? 0 : 1;
  Log("SHGetSpecialFolderPathA %s", index == 0 ? "CSIDL_DESKTOPDIRECTORY" : "CSIDL_PROGRAMS");
  uint32_t error = 0;
  if (Faulted("SHGetSpecialFolderPathA", &error) || FS().special_missing[index]) return false;
  const std::string& path = FS().special[index];
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return true;
}

Picked PickFolder(Handle owner, const char* title, char* buffer) {
  Log("SHBrowseForFolderA BIF_EDITBOX");
  sim::PickerCall call{owner, title ? title : "", {}};
  for (Handle page : sim::Pages()) call.pages_enabled.push_back(sim::Info(page).enabled);
  FS().picker_calls.push_back(call);
  if (FS().picker_answers.empty()) return Picked::Nothing;
  sim::PickerAnswer answer = FS().picker_answers.front();
  FS().picker_answers.pop_front();
  if (answer.picked == Picked::Path) {
    std::memcpy(buffer, answer.path.c_str(), answer.path.size() + 1);
    Log("SHGetPathFromIDListA %s", buffer);
  }
  return answer.picked;
}

int32_t CreateShellLink(const char* link_path, const char* target) {
  Log("CoCreateInstance CLSID_ShellLink");
  uint32_t error = 0;
  if (!sim::OleStarted()) return kNotInitialized;
  if (!FS().link_object_available || Faulted("CoCreateInstance", &error))
    return kClassNotRegistered;
  Log("IShellLinkA::SetPath %s", target);
  Log("IShellLinkA::SetShowCmd SW_SHOW");
  Log("IPersistFile::Save %s", link_path);
  if (Faulted("IPersistFile::Save", &error)) return FromWin32(error);
  File file = OpenForWrite(link_path, kAttributeNormal);
  if (!file) return FromWin32(LastError());
  std::string key = FS().open[file].key;
  FS().open.erase(file);
  Node& node = FS().nodes[key];
  node.is_link = true;
  node.link_target = target;
  return 0;
}

}  // namespace plat
