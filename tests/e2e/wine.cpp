#include "wine.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <sstream>

#include "gbk.h"

namespace {

const int kSessionTimeoutMs = 180000;  // a new prefix takes 10-30 s, a slow machine more

Fields ParseLine(const std::string& line) {
  Fields fields;
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    size_t equals = word.find('=');
    if (equals != std::string::npos) fields[word.substr(0, equals)] = word.substr(equals + 1);
  }
  return fields;
}

}  // namespace

bool StartWineSession(std::string* message) {
  RunResult started = Run({E2E_PREFIX_SCRIPT, "start"}, kSessionTimeoutMs);
  if (started.exit_code != 0) {
    *message = std::string("scripts/wine-prefix.sh start failed") +
               (started.timed_out ? " (timed out)" : "") + "; see build/e2e/*.log";
    return false;
  }
  std::istringstream lines(started.out);
  std::string line;
  while (std::getline(lines, line)) {
    size_t equals = line.find('=');
    if (equals != std::string::npos)
      setenv(line.substr(0, equals).c_str(), line.substr(equals + 1).c_str(), 1);
  }
  return getenv("WINEPREFIX") && getenv("DISPLAY");
}

void StopWineSession() {
  Run({E2E_PREFIX_SCRIPT, "stop"}, 60000);
}

const Fields& DriverResult::first() const {
  static const Fields kNone;
  return lines.empty() ? kNone : lines.front();
}

std::string DriverResult::operator[](const std::string& key) const {
  auto found = first().find(key);
  return found == first().end() ? std::string() : found->second;
}

DriverResult Driver(const std::vector<std::string>& args, int timeout_ms) {
  std::vector<std::string> argv{"wine", PathOfDriver()};
  argv.insert(argv.end(), args.begin(), args.end());
  RunResult run = Run(argv, timeout_ms);
  DriverResult result;
  result.ok = run.exit_code == 0;
  result.out = run.out;
  std::istringstream lines(run.out);
  std::string line;
  while (std::getline(lines, line))
    if (!line.empty()) result.lines.push_back(ParseLine(line));
  return result;
}

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << box.left << ", " << box.top << ", " << box.width << " x " << box.height;
}

Box BoxOf(const std::string& field) {
  Box box;
  sscanf(field.c_str(), "%d,%d,%d,%d", &box.left, &box.top, &box.width, &box.height);
  return box;
}

static std::string Get(const Fields& fields, const char* key) {
  auto found = fields.find(key);
  return found == fields.end() ? std::string() : found->second;
}

Window WindowOf(const Fields& fields) {
  Window window;
  window.hwnd = Get(fields, "hwnd");
  window.rect = BoxOf(Get(fields, "rect"));
  window.client = BoxOf(Get(fields, "client"));
  window.enabled = Get(fields, "enabled") == "1";
  window.visible = Get(fields, "visible") == "1";
  window.foreground = Get(fields, "foreground") == "1";
  window.title = FromHex(Get(fields, "title"));
  return window;
}

Control ControlOf(const Fields& fields) {
  Control control;
  control.hwnd = Get(fields, "hwnd");
  control.id = atoi(Get(fields, "id").c_str());
  control.rect = BoxOf(Get(fields, "rect"));
  control.place = BoxOf(Get(fields, "place"));
  control.enabled = Get(fields, "enabled") == "1";
  control.visible = Get(fields, "visible") == "1";
  control.class_name = Get(fields, "class");
  control.text = FromHex(Get(fields, "text"));
  return control;
}

std::unique_ptr<Child> StartProgram(const std::string& exe, const std::string& log_path) {
  return std::make_unique<Child>(std::vector<std::string>{"wine", exe}, log_path);
}

// The environment's E2E_WIN32_DIR points the tests at another build of the two programs.
static std::string Win32Dir() {
  const char* dir = getenv("E2E_WIN32_DIR");
  return dir && *dir ? dir : E2E_WIN32_DIR;
}

std::string PathOfSetup() {
  return Win32Dir() + "/setup.exe";
}
std::string PathOfDriver() {
  return Win32Dir() + "/driver.exe";
}
std::string PathOfPayload() {
  return Win32Dir() + "/payload";
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
