// The Wine side of the tests: the session's prefix and display, the driver that reads and
// clicks windows, and setup.exe as a child process.
#pragma once

#include <map>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "process.h"

// Prepares the prefix and the virtual display (scripts/wine-prefix.sh start) and takes over
// its environment; false with a message when that fails.
bool StartWineSession(std::string* message);
void StopWineSession();

// One line of driver output: key=value fields.
using Fields = std::map<std::string, std::string>;

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box& other) const {
    return left == other.left && top == other.top && width == other.width && height == other.height;
  }
};

struct DriverResult {
  bool ok = false;  // exit code 0
  std::vector<Fields> lines;
  std::string out;
  const Fields& first() const;
  std::string operator[](const std::string& key) const;  // a field of the first line
};

DriverResult Driver(const std::vector<std::string>& args, int timeout_ms = 30000);

std::ostream& operator<<(std::ostream& out, const Box& box);
Box BoxOf(const std::string& field);  // "left,top,width,height"

// A top-level window as the driver reports it.
struct Window {
  std::string hwnd;
  Box rect, client;
  bool enabled = false, visible = false, foreground = false;
  std::string title;  // GBK bytes
};
Window WindowOf(const Fields& fields);

// A control as the driver reports it; place is relative to the page's client area.
struct Control {
  std::string hwnd;
  int id = 0;
  Box rect, place;
  bool enabled = false, visible = false;
  std::string class_name, text;  // text in GBK bytes
};
Control ControlOf(const Fields& fields);

// setup.exe under wine; its wine process's exit code is the program's, in 8 bits.
std::unique_ptr<Child> StartProgram(const std::string& exe, const std::string& log_path);

std::string PathOfSetup();
std::string PathOfDriver();
// The files setup.exe carries, laid out as they stand in the product folder.
std::string PathOfPayload();
bool FileExists(const std::string& path);
