// The simulated machine's state, shared by the files of platform/sim/. One machine per test
// process; sim::Reset makes a fresh one.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim.h"

namespace sim::detail {

struct Window {
  Handle handle = 0;
  bool is_page = false;
  Handle page = 0;    // the page it belongs to (itself for a page)
  Handle parent = 0;  // 0 for a page
  int id = 0;
  bool visible = false;
  bool enabled = true;
  bool dying = false;  // inside DestroyWindow
  plat::Rect place{};
  std::string text;
  plat::ControlKind kind = plat::ControlKind::TransparentLabel;
  plat::ControlSpec spec{};
  std::vector<uint32_t> rows;
  bool has_font = false;
  plat::FontSpec font{};
  std::string font_face;
  std::string picture;
  std::string icon;
  plat::EventSink sink = nullptr;
  void* context = nullptr;
};

struct Timer {
  Handle page;
  int id;
  unsigned period;  // as asked for
  long long due;    // clock time of the next expiry
};

enum class MsgKind : uint8_t { Click, CaptionClose, Key, Type, DestroyRequest, Tick, Quit };

// What a plat::Message holds. Plain data, so it can travel in Message::raw.
struct Posted {
  uint32_t magic;
  MsgKind kind;
  Key key;
  Handle window;
  int param;  // timer id, quit code, or index of the typed text
};
constexpr uint32_t kMagic = 0x51534D47;

// Saved around an open message box.
struct OpenBox {
  size_t record;  // index into State::boxes
  std::vector<std::pair<Handle, bool>> enabled_before;
  Handle active, focus, foreground;
};

struct State {
  Config config;

  // Process.
  bool in_process = false;
  sigjmp_buf* process_exit = nullptr;
  Ended end_how = Ended::Returned;
  int end_code = 0;
  long long messages_retrieved = 0;
  std::string current_directory;
  int ole_starts = 0, ole_stops = 0;
  bool library_search_restricted = false;

  // Heap.
  std::map<void*, size_t> blocks;
  size_t live_bytes = 0, peak_bytes = 0;
  int fail_allocation_in = 0;

  // Windows.
  std::map<Handle, Window> windows;  // ordered by handle, which is creation order
  Handle next_handle = 1;
  Handle active = 0, focus = 0, foreground = 0;
  int fail_create_page_in = 0;

  // Messages and time.
  std::deque<Posted> queue;
  std::vector<std::string> typed;
  std::vector<Timer> timers;
  long long now = 0;

  // The user.
  std::deque<std::function<void()>> steps;  // a deque: a running step may add steps
  size_t next_step = 0;
  std::deque<int> answers;
  bool fail_boxes = false;
  std::vector<BoxCall> boxes;
  std::vector<OpenBox> open_boxes;

  // Trace.
  std::vector<std::string> calls;
  std::function<void(const std::string&)> on_call;
};

State& S();

// Trace: appends one line and calls the hook.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Describe(Handle window);  // "page", "id=<n>" or "invalid"
const char* KindName(plat::ControlKind kind);

// Process.
[[noreturn]] void EndProcess(Ended how, int code);
[[noreturn]] void Fail(const char* what);  // a test or program bug: message and abort
void ReclaimProcess();                     // what the OS takes back when a process ends
void FreeAllBlocks();

// Windows.
Window* Find(Handle window);  // nullptr when it does not exist
bool EffectivelyVisible(Handle window);
bool EffectivelyEnabled(Handle window);
bool Contains(Handle ancestor, Handle window);  // ancestor is window or one of its parents
Handle NewestVisiblePage();
void Activate(Handle page);        // active, foreground, focus on the page
void FocusByUser(Handle control);  // a mouse press on a control
void Notify(Handle page, plat::Event event, int id);

// Messages and timers.
void Post(MsgKind kind, Handle window, int param, Key key = Key::Tab);
std::string DescribeMessage(const Posted& message);
void Deliver(const Posted& message);
void CountRetrieval();             // ends the process as Hung past the limit
bool QueueDueTick(bool may_wait);  // queues the next tick; may move the clock when allowed
bool TimerRuns(Handle page, int id);
void QueueTickOfEveryTimer();
void DropTimersOf(Handle page);
unsigned EffectivePeriod(unsigned period);

}  // namespace sim::detail
