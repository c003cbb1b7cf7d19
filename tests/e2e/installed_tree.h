// What an installation left in the prefix, read the way a user's tools would read it: the
// files from the Linux side, their attributes through the driver, shortcuts with lnkinfo.
#pragma once

#include <string>
#include <vector>

extern const char kProduct[];     // the product folder's name
extern const char kWebAddress[];  // the web-site shortcut's target

// Root as typed, joined to the product folder with one backslash, as the program joins it.
std::string ProductFolderOf(const std::string& root);
std::string DesktopFolder();   // Windows paths, UTF-8
std::string ProgramsFolder();  // the Start menu's Programs folder

// An entry below a folder as GetFileAttributes and FindFirstFile report it.
struct TreeEntry {
  std::string path;  // relative, backslashes, UTF-8
  unsigned attrib = 0;
  unsigned long long size = 0;
  bool folder = false;
};
// Empty when the folder does not exist.
std::vector<TreeEntry> ListTree(const std::string& windows_folder);

// What lnkinfo reads from a shortcut file.
struct Shortcut {
  bool read = false;
  std::string local_path;          // the link's local path, UTF-8
  std::vector<std::string> names;  // names of its shell items, in order
};
Shortcut ReadShortcut(const std::string& windows_path);

// The log box's text after a complete installation into root.
std::string GoodLog(const std::string& root);

// Records a test failure for every way the tree under root, the desktop shortcut and the
// Programs-menu folder differ from a complete installation.
void ExpectInstalledTree(const std::string& root);

// Removes root's product folder, the desktop shortcut and the Programs-menu folder, so that
// the next installation starts on a clean system.
void RemoveInstallation(const std::string& root);
