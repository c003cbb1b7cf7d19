// The prefix's drive C seen from the Linux side: Windows paths mapped to host paths, and the
// few file operations the tests make there between runs of the program.
#pragma once

#include <string>
#include <vector>

// "C:\a\b\" (UTF-8) as a path under $WINEPREFIX/drive_c; empty for any other drive.
std::string HostPathOf(const std::string& windows_path);
// The prefix user's profile folder, as a Windows path: C:\users\<name>.
std::string ProfileFolder();

bool ReadBytes(const std::string& host_path, std::string* bytes);
bool WriteBytes(const std::string& host_path, const std::string& bytes);
bool IsFolder(const std::string& host_path);
bool MakeFolders(const std::string& host_path);  // with its parents, like mkdir -p
void RemoveTree(const std::string& host_path);   // rm -rf
// Relative paths ("a/b") of every file below a folder, sorted.
std::vector<std::string> FilesBelow(const std::string& host_folder);
// The hidden/system attributes Wine keeps for a file in the user.DOSATTRIB extended
// attribute ("0x6"); empty when the file has none.
std::string DosAttrib(const std::string& host_path);
