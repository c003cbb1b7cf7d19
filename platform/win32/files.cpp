// File services: folders, exclusive writes, attributes.
#include "platform/win32/win32.h"

#undef CreateDirectory
#undef SetFileAttributes
#undef GetFileAttributes

namespace plat {

uint32_t LastError() {
  return ::GetLastError();
}

bool CreateDirectory(const char* path) {
  return ::CreateDirectoryA(path, nullptr) != FALSE;
}

File CreateFileForWrite(const char* path, uint32_t attributes) {
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
  HANDLE file =
      ::CreateFileA(path, GENERIC_WRITE, 0, &security, CREATE_ALWAYS, attributes, nullptr);
  return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<File>(file);
}

bool WriteFile(File file, const void* bytes, uint32_t length, uint32_t* written) {
  DWORD count = 0;
  BOOL ok = ::WriteFile(reinterpret_cast<HANDLE>(file), bytes, length, &count, nullptr);
  *written = count;
  return ok != FALSE;
}

bool CloseFile(File file) {
  return ::CloseHandle(reinterpret_cast<HANDLE>(file)) != FALSE;
}

bool SetFileAttributes(const char* path, uint32_t attributes) {
  return ::SetFileAttributesA(path, attributes) != FALSE;
}

uint32_t GetFileAttributes(const char* path) {
  return ::GetFileAttributesA(path);
}

}  // namespace plat
