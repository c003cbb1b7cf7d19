// How the simulated Windows reads a path: drive letters, case-insensitive names, doubled
// separators as one, relative paths against the current directory.
#include <cstring>

#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace sim::detail {

namespace {

constexpr size_t kMaxPath = 260;

bool IsLead(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

std::string Upper(const std::string& text) {
  std::string out = text;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(out[i]);
    if (IsLead(byte) && i + 1 < out.size()) {
      ++i;  // a trail byte is not a letter
      continue;
    }
    if (byte >= 'a' && byte <= 'z') out[i] = static_cast<char>(byte - 'a' + 'A');
  }
  return out;
}

// Splits at backslashes and slashes that are not trail bytes; empty parts vanish.
std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(path[i]);
    if (IsLead(byte) && i + 1 < path.size()) {
      part += path[i];
      part += path[++i];
      continue;
    }
    if (byte == '\\' || byte == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
      continue;
    }
    part += path[i];
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool BadName(const std::string& part) {
  for (size_t i = 0; i < part.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(part[i]);
    if (IsLead(byte) && i + 1 < part.size()) {
      ++i;
      continue;
    }
    if (byte < 0x20 || std::strchr("<>:\"|?*", byte)) return true;
  }
  return false;
}

}  // namespace

Resolved Resolve(const char* raw) {
  Resolved r;
  std::string path = raw ? raw : "";
  if (path.empty()) {
    r.error = 3;  // ERROR_PATH_NOT_FOUND
    return r;
  }
  if (path.size() >= kMaxPath) {
    r.error = 206;  // ERROR_FILENAME_EXCED_RANGE
    return r;
  }
  std::string full;
  const std::string& current = S().current_directory;
  if (path.size() >= 2 && path[1] == ':') {
    full = path.size() > 2 && (path[2] == '\\' || path[2] == '/')
               ? path
               : std::string(path, 0, 2) + "\\" + path.substr(2);  // the drive's root
  } else if (path.rfind("\\\\", 0) == 0) {
    r.error = 53;  // ERROR_BAD_NETPATH: the simulated machine has no network
    return r;
  } else if (path[0] == '\\' || path[0] == '/') {
    full = current.substr(0, 2) + path;
  } else {
    full = current + "\\" + path;
  }
  char drive = static_cast<char>(Upper(full.substr(0, 1))[0]);
  if (drive < 'A' || drive > 'Z' || !FS().free_bytes.count(drive)) {
    r.error = 3;
    return r;
  }
  for (std::string& part : Split(full.substr(2))) {
    while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
    if (part.empty()) continue;
    if (part == "..") {
      if (!r.parts.empty()) r.parts.pop_back();
      continue;
    }
    if (BadName(part)) {
      r.error = 123;  // ERROR_INVALID_NAME
      return r;
    }
    r.parts.push_back(part);
  }
  r.ok = true;
  r.drive = drive;
  r.key = std::string(1, drive) + ":";
  r.display = r.key;
  for (size_t i = 0; i < r.parts.size(); ++i) {
    if (i + 1 == r.parts.size()) r.parent_key = r.key;
    r.key += "\\" + Upper(r.parts[i]);
    r.display += "\\" + r.parts[i];
  }
  if (r.parts.empty()) r.display += "\\";
  return r;
}

bool FolderExists(const std::string& key) {
  if (key.size() == 2 && key[1] == ':') return FS().free_bytes.count(key[0]) > 0;
  auto it = FS().nodes.find(key);
  return it != FS().nodes.end() && it->second.folder;
}

bool Faulted(const char* call, uint32_t* error) {
  auto it = FS().faults.find(call);
  if (it == FS().faults.end()) return false;
  bool failed = false;
  for (FaultPlan& plan : it->second) {
    if (--plan.countdown == 0) {
      *error = plan.error;
      failed = true;
    }
  }
  std::erase_if(it->second, [](const FaultPlan& plan) { return plan.countdown <= 0; });
  return failed;
}

void SetLastError(uint32_t error) {
  FS().last_error = error;
}

}  // namespace sim::detail
