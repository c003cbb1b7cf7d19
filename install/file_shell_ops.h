// The installer's thin layer over the file system and the shell.
#pragma once

#include <cstdint>

#include "app/program.h"
#include "payload/payload_store.h"

struct OpResult {
  bool ok;
  uint32_t error;  // the platform's code when !ok
};

constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidName = 123;
constexpr uint32_t kErrorDiskFull = 112;
constexpr uint32_t kErrorAlreadyExists = 183;

OpResult CreateFolder(const char* path);
OpResult WriteFileBlocks(const char* path, ByteBlock block);
OpResult ApplyFileAttributes(const char* path, uint32_t attributes);
Text GetSpecialFolder(Program& program, plat::SpecialFolder folder);
Text BrowseForFolder(Program& program, const char* title);
OpResult CreateShortcut(const char* link_path, const char* target);

bool IsFolder(const char* path);
bool Exists(const char* path);
