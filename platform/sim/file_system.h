// The simulated disks and shell, shared by files.cpp and shell.cpp.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/sim/sim.h"

namespace sim::detail {

struct Node {
  bool folder = false;
  std::string name;  // as created, for listings
  std::string bytes;
  uint32_t attributes = 0;  // without the directory bit
  bool in_use = false;      // held open by another process
  std::string link_target;  // for files written by the shell link object
  bool is_link = false;
};

struct OpenFile {
  std::string key;
};

struct FileSystem {
  std::map<char, long long> free_bytes;  // drive letter (upper case) -> free space
  std::map<std::string, Node> nodes;     // key: normalised, upper-cased path
  std::map<plat::File, OpenFile> open;
  plat::File next_file = 0x100;
  std::string special[2];
  bool special_missing[2] = {false, false};
  std::deque<PickerAnswer> picker_answers;
  std::vector<PickerCall> picker_calls;
  std::vector<WriteCall> writes;
  std::map<std::string, std::vector<FaultPlan>> faults;  // call name -> planned failures
  uint32_t last_error = 0;
  bool link_object_available = true;
};

FileSystem& FS();
void ResetFileSystem();
void CloseAllFiles();
// CreateFileA's rules without its trace line or faults, for the shell's own writes.
plat::File OpenForWrite(const char* path,
                        uint32_t attributes);  // the process ended: the system closes its handles

// Path handling as Windows does it; false when the path cannot name anything.
struct Resolved {
  bool ok = false;
  uint32_t error = 0;
  char drive = 0;
  std::vector<std::string> parts;  // components, original case
  std::string key;                 // drive and upper-cased components
  std::string parent_key;          // key of the containing folder; the drive root is ""
  std::string display;             // "C:\a\b"
};
Resolved Resolve(const char* path);
bool FolderExists(const std::string& key);  // "" is never a folder; a drive root is
// Consumes one planned failure of a call; true (with the code set) when this call fails.
bool Faulted(const char* call, uint32_t* error);
void SetLastError(uint32_t error);

}  // namespace sim::detail
