// The files and folders below a folder as the program sees them through the Windows API:
// attributes as GetFileAttributes reports them, sizes, names in the ANSI code page.
#include <cstdio>
#include <string>

#include "driver.h"

namespace {

// One line per entry, parents before children: path relative to the listed folder (hex),
// attributes, size in bytes, whether it is a folder.
void List(const std::string& folder, const std::string& relative) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = relative.empty() ? name : relative + "\\" + name;
    std::string full = folder + "\\" + name;
    bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    unsigned long long size =
        (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    printf("path=%s attrib=0x%lx size=%llu folder=%d\n", Hex(path).c_str(),
           static_cast<unsigned long>(GetFileAttributesA(full.c_str())), size, is_folder ? 1 : 0);
    if (is_folder) List(full, path);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

int CmdTree(const Args& args) {
  std::string folder = DecodeText(args[1]);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return Fail("no-such-folder");
  List(folder, "");
  return 0;
}
