#include "ui/folder_check.h"

#include <algorithm>
#include <cstring>

#include "app/text.h"
#include "payload/payload_store.h"

namespace {

constexpr size_t kMaxPath = 260;

bool OnlySpaces(const char* text) {
  for (; *text; ++text)
    if (*text != ' ') return false;
  return true;
}

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A drive letter, a colon and a backslash, or \\server\share.
bool IsFullPath(const char* text) {
  if (IsLetter(text[0]) && text[1] == ':' && text[2] == '\\') return true;
  if (text[0] != '\\' || text[1] != '\\' || text[2] == '\0' || text[2] == '\\') return false;
  const char* share = std::strchr(text + 2, '\\');
  return share && share[1] != '\0' && share[1] != '\\';
}

bool HasBadCharacter(const char* text) {
  for (size_t i = 0; text[i] != '\0'; ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x81 && byte <= 0xFE && text[i + 1] != '\0') {
      ++i;  // a trail byte may look like '|' or '\'
      continue;
    }
    if (byte < 0x20 || std::strchr("<>\"|?*", byte)) return true;
    if (byte == ':' && i != 1) return true;
  }
  return false;
}

// Every file target must stay below MAX_PATH once the longest relative path is appended.
bool TooLong(const char* text) {
  size_t longest = 0;
  for (const char* relative : kPayloadPaths) longest = std::max(longest, std::strlen(relative));
  size_t separator = EndsWithBackslash(text) ? 0 : 1;
  return std::strlen(text) + separator + longest >= kMaxPath;
}

}  // namespace

const char* FolderRefusal(const char* folder) {
  if (OnlySpaces(folder)) return kNoFolderMessage;
  if (!IsFullPath(folder)) return kNotFullPathMessage;
  if (HasBadCharacter(folder)) return kBadCharacterMessage;
  if (TooLong(folder)) return kTooLongMessage;
  return nullptr;
}
