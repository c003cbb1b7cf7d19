// Files of the simulated machine, with the refusal rules of Windows' file creation.
#include <cstring>

#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace sim::detail {

namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorSharingViolation = 32;
constexpr uint32_t kErrorDiskFull = 112;
constexpr uint32_t kErrorAlreadyExists = 183;
constexpr uint32_t kKeptBits = 0x27 | 0x100 | 0x2000;  // read-only, hidden, system, archive...

bool Refuse(uint32_t error) {
  SetLastError(error);
  return false;
}

// Checks a path for a new entry: it resolves and its folder exists.
bool ParentReady(const Resolved& r) {
  if (!r.ok) return Refuse(r.error);
  if (r.parts.empty()) return Refuse(kErrorAccessDenied);  // a drive root
  if (!FolderExists(r.parent_key)) return Refuse(kErrorPathNotFound);
  return true;
}

}  // namespace

FileSystem& FS() {
  static FileSystem* const fs = new FileSystem;
  return *fs;
}

void ResetFileSystem() {
  FileSystem& fs = FS();
  fs = FileSystem{};
  fs.free_bytes['C'] = kPlentyOfRoom;
  fs.special[0] = "C:\\Users\\user\\Desktop";
  fs.special[1] = "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
  sim::MakeFolder(fs.special[0]);
  sim::MakeFolder(fs.special[1]);
  sim::MakeFolder("C:\\Program Files");
  sim::MakeFolder("C:\\Users\\user\\Downloads");
  sim::MakeFolder("C:\\Windows\\system32");
}

void CloseAllFiles() {
  FS().open.clear();
}

plat::File OpenForWrite(const char* path, uint32_t attributes) {
  using namespace plat;
  Resolved r = Resolve(path);
  if (!ParentReady(r)) return 0;
  auto it = FS().nodes.find(r.key);
  bool existed = it != FS().nodes.end();
  if (existed) {
    Node& node = it->second;
    if (node.folder || (node.attributes & kAttributeReadOnly)) return Refuse(kErrorAccessDenied), 0;
    // CREATE_ALWAYS replaces a hidden or system file only when asked for those attributes.
    uint32_t guarded = node.attributes & (kAttributeHidden | kAttributeSystem);
    if ((guarded & attributes) != guarded) return Refuse(kErrorAccessDenied), 0;
    if (node.in_use) return Refuse(kErrorSharingViolation), 0;
    for (const auto& [file, open] : FS().open)
      if (open.key == r.key) return Refuse(kErrorSharingViolation), 0;
    FS().free_bytes[r.drive] += static_cast<long long>(node.bytes.size());
  }
  Node& node = FS().nodes[r.key];
  node = Node{};
  node.name = r.display;
  uint32_t requested = attributes == kAttributeNormal ? 0 : attributes & kKeptBits;
  node.attributes = requested | kAttributeArchive;
  File file = FS().next_file++;
  FS().open[file] = {r.key};
  SetLastError(existed ? kErrorAlreadyExists : 0);
  return file;
}

}  // namespace sim::detail

namespace plat {

using namespace sim::detail;

uint32_t LastError() {
  return FS().last_error;
}

bool CreateDirectory(const char* path) {
  Log("CreateDirectoryA %s", path);
  uint32_t error = 0;
  if (Faulted("CreateDirectoryA", &error)) return Refuse(error);
  Resolved r = Resolve(path);
  if (!ParentReady(r)) return false;
  if (FS().nodes.count(r.key)) return Refuse(kErrorAlreadyExists);
  Node& node = FS().nodes[r.key];
  node.folder = true;
  node.name = r.display;
  node.attributes = 0;
  return true;
}

File CreateFileForWrite(const char* path, uint32_t attributes) {
  Log("CreateFileA %s GENERIC_WRITE share=0 CREATE_ALWAYS 0x%X", path, attributes);
  uint32_t error = 0;
  if (Faulted("CreateFileA", &error)) return Refuse(error), 0;
  return OpenForWrite(path, attributes);
}

bool WriteFile(File file, const void* bytes, uint32_t length, uint32_t* written) {
  *written = 0;
  auto open = FS().open.find(file);
  Log("WriteFile %u", length);
  if (open == FS().open.end()) return Refuse(kErrorInvalidHandle);
  Node& node = FS().nodes[open->second.key];
  FS().writes.push_back({node.name, bytes, length});
  uint32_t error = 0;
  if (Faulted("WriteFile", &error)) return Refuse(error);
  long long& free = FS().free_bytes[open->second.key[0]];
  uint32_t fits = free < length ? static_cast<uint32_t>(free) : length;
  node.bytes.append(static_cast<const char*>(bytes), fits);
  free -= fits;
  *written = fits;
  if (fits < length) return Refuse(kErrorDiskFull);
  return true;
}

bool CloseFile(File file) {
  Log("CloseHandle");
  bool known = FS().open.erase(file) > 0;
  uint32_t error = 0;
  if (Faulted("CloseHandle", &error)) return Refuse(error);  // closed all the same
  return known ? true : Refuse(kErrorInvalidHandle);
}

bool SetFileAttributes(const char* path, uint32_t attributes) {
  Log("SetFileAttributesA %s 0x%X", path, attributes);
  uint32_t error = 0;
  if (Faulted("SetFileAttributesA", &error)) return Refuse(error);
  Resolved r = Resolve(path);
  if (!r.ok) return Refuse(r.error);
  auto it = FS().nodes.find(r.key);
  if (it == FS().nodes.end())
    return Refuse(FolderExists(r.parent_key) ? kErrorFileNotFound : kErrorPathNotFound);
  it->second.attributes = attributes == kAttributeNormal ? 0 : attributes & kKeptBits;
  return true;
}

uint32_t GetFileAttributes(const char* path) {
  Log("GetFileAttributesA %s", path);
  Resolved r = Resolve(path);
  if (!r.ok) return Refuse(r.error), kNoAttributes;
  if (r.parts.empty()) return kAttributeDirectory;
  auto it = FS().nodes.find(r.key);
  if (it == FS().nodes.end()) {
    Refuse(FolderExists(r.parent_key) ? kErrorFileNotFound : kErrorPathNotFound);
    return kNoAttributes;
  }
  const Node& node = it->second;
  uint32_t attributes = node.attributes | (node.folder ? kAttributeDirectory : 0);
  return attributes ? attributes : kAttributeNormal;
}

}  // namespace plat
