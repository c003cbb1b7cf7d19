// What a test sees of and does to the simulated disks and shell.
#include <cstdio>

#include "platform/sim/file_system.h"
#include "platform/sim/sim_state.h"

namespace sim {

using detail::FS;
using detail::Node;
using detail::Resolve;
using detail::Resolved;

namespace {

Resolved MustResolve(const std::string& path) {
  Resolved r = Resolve(path.c_str());
  if (!r.ok) detail::Fail(("sim: the path cannot be resolved: " + path).c_str());
  return r;
}

const Node* Lookup(const std::string& path) {
  Resolved r = Resolve(path.c_str());
  if (!r.ok) return nullptr;
  auto it = FS().nodes.find(r.key);
  return it == FS().nodes.end() ? nullptr : &it->second;
}

// FNV-1a: enough to tell two file contents apart in a snapshot.
unsigned long long Digest(const std::string& bytes) {
  unsigned long long hash = 1469598103934665603ULL;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ULL;
  return hash;
}

}  // namespace

void AddDrive(char letter, long long free_bytes) {
  FS().free_bytes[static_cast<char>(letter & ~0x20)] = free_bytes;
}

void SetFreeSpace(char letter, long long free_bytes) {
  AddDrive(letter, free_bytes);
}

long long FreeSpace(char letter) {
  return FS().free_bytes[static_cast<char>(letter & ~0x20)];
}

void MakeFolder(const std::string& path) {
  Resolved r = MustResolve(path);
  std::string display = std::string(1, r.drive) + ":";
  for (size_t i = 0; i < r.parts.size(); ++i) {
    display += "\\" + r.parts[i];
    Resolved step = MustResolve(display);
    Node& node = FS().nodes[step.key];
    node.folder = true;
    if (node.name.empty()) node.name = step.display;
  }
}

void MakeFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
  Resolved r = MustResolve(path);
  Node& node = FS().nodes[r.key];
  node = Node{};
  node.name = r.display;
  node.bytes = bytes;
  node.attributes = attributes == plat::kAttributeNormal ? 0 : attributes;
}

void HoldOpen(const std::string& path, bool held) {
  Resolved r = MustResolve(path);
  FS().nodes[r.key].in_use = held;
}

bool Exists(const std::string& path) {
  Resolved r = Resolve(path.c_str());
  return r.ok && (detail::FolderExists(r.key) || FS().nodes.count(r.key));
}

bool IsFolder(const std::string& path) {
  Resolved r = Resolve(path.c_str());
  return r.ok && detail::FolderExists(r.key);
}

std::string FileBytes(const std::string& path) {
  const Node* node = Lookup(path);
  return node && !node->folder ? node->bytes : std::string();
}

uint32_t Attributes(const std::string& path) {
  const Node* node = Lookup(path);
  if (!node) return IsFolder(path) ? plat::kAttributeDirectory : plat::kNoAttributes;
  uint32_t attributes = node->attributes | (node->folder ? plat::kAttributeDirectory : 0);
  return attributes ? attributes : plat::kAttributeNormal;
}

std::string ShellLinkTarget(const std::string& path) {
  const Node* node = Lookup(path);
  return node && node->is_link ? node->link_target : std::string();
}

std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> snapshot;
  for (const auto& [key, node] : FS().nodes) {
    if (node.folder) {
      snapshot[node.name] = "D";
    } else if (node.is_link) {
      snapshot[node.name] = "L " + node.link_target;
    } else {
      char line[64];
      std::snprintf(line, sizeof line, "F %X %zu %llx", node.attributes, node.bytes.size(),
                    Digest(node.bytes));
      snapshot[node.name] = line;
    }
  }
  return snapshot;
}

void SetSpecialFolder(SpecialKind kind, const std::string& path) {
  int index = kind == SpecialKind::DesktopDirectory ? 0 : 1;
  FS().special[index] = path;
  FS().special_missing[index] = path.empty();
}

std::string SpecialFolderOf(SpecialKind kind) {
  return FS().special[kind == SpecialKind::DesktopDirectory ? 0 : 1];
}

void SetLinkObjectAvailable(bool available) {
  FS().link_object_available = available;
}

void AnswerPickers(std::vector<PickerAnswer> answers) {
  for (PickerAnswer& answer : answers) FS().picker_answers.push_back(answer);
}

const std::vector<PickerCall>& Pickers() {
  return FS().picker_calls;
}

void FailCall(const std::string& call, int nth, uint32_t error) {
  FS().faults[call].push_back({nth, error});
}

const std::vector<WriteCall>& Writes() {
  return FS().writes;
}

}  // namespace sim
