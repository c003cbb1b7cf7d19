#include "host_files.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "process.h"

std::string HostPathOf(const std::string& windows_path) {
  const char* prefix = getenv("WINEPREFIX");
  if (!prefix || windows_path.size() < 2 || (windows_path[0] | 0x20) != 'c' ||
      windows_path[1] != ':')
    return std::string();
  std::string path = std::string(prefix) + "/drive_c" + windows_path.substr(2);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// Wine names the profile after the Unix user that runs it.
std::string ProfileFolder() {
  const passwd* user = getpwuid(getuid());
  return std::string("C:\\users\\") + (user ? user->pw_name : "root");
}

bool ReadBytes(const std::string& host_path, std::string* bytes) {
  std::ifstream in(host_path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *bytes = all.str();
  return true;
}

bool WriteBytes(const std::string& host_path, const std::string& bytes) {
  std::ofstream out(host_path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

bool IsFolder(const std::string& host_path) {
  struct stat info {};
  return stat(host_path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeFolders(const std::string& host_path) {
  return Run({"mkdir", "-p", host_path}, 10000).exit_code == 0;
}

void RemoveTree(const std::string& host_path) {
  if (!host_path.empty()) Run({"rm", "-rf", host_path}, 30000);
}

static void Collect(const std::string& folder, const std::string& relative,
                    std::vector<std::string>* files) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    std::string path = relative.empty() ? name : relative + "/" + name;
    if (IsFolder(folder + "/" + name))
      Collect(folder + "/" + name, path, files);
    else
      files->push_back(path);
  }
  closedir(dir);
}

std::vector<std::string> FilesBelow(const std::string& host_folder) {
  std::vector<std::string> files;
  Collect(host_folder, "", &files);
  std::sort(files.begin(), files.end());
  return files;
}

std::string DosAttrib(const std::string& host_path) {
  char value[64] = "";
  ssize_t length = getxattr(host_path.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
  return length > 0 ? std::string(value, static_cast<size_t>(length)) : std::string();
}
