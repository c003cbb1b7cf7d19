// The simulated Windows' own rules: the program's tests rely on them behaving like Windows.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/sim/sim.h"

namespace {

using plat::ControlKind;
using plat::Event;
using plat::Handle;

struct Seen {
  Handle page;
  Event event;
  int id;
  bool operator==(const Seen& o) const { return page == o.page && event == o.event && id == o.id; }
};

std::vector<Seen> g_seen;
std::function<void(Handle, Event, int)> g_on_event;  // extra reaction of a test

void Record(void*, Handle page, Event event, int id) {
  g_seen.push_back({page, event, id});
  if (g_on_event) g_on_event(page, event, id);
}

int Count(Event event) {
  int n = 0;
  for (const Seen& s : g_seen) n += s.event == event;
  return n;
}

Handle MakePage(bool show = true) {
  plat::PageSpec spec{"page", {272, 205, 480, 358}, "DEFAULT_ICON", Record, nullptr};
  Handle page = plat::CreatePage(spec);
  if (show) plat::ShowPage(page);
  return page;
}

Handle MakeControl(Handle page, Handle parent, int id, ControlKind kind, bool show = true) {
  plat::ControlSpec spec{};
  spec.kind = kind;
  spec.place = {288, 297, 80, 22};
  spec.text = "ab";
  Handle control = plat::CreateControl(page, parent, id, spec);
  if (show) plat::ShowControl(control, true);
  return control;
}

Handle MakeEdit(Handle page, int id, bool multi_line, bool read_only) {
  plat::ControlSpec spec{};
  spec.kind = ControlKind::EditBox;
  spec.place = {10, 10, 200, 100};
  spec.text = "ab";
  spec.multi_line = multi_line;
  spec.read_only = read_only;
  Handle edit = plat::CreateControl(page, page, id, spec);
  plat::ShowControl(edit, true);
  return edit;
}

// Dispatches everything queued now, as a program's loop would, without waiting.
void Pump() {
  plat::Message m;
  while (plat::PeekMessage(m) == plat::Peeked::Message) plat::DispatchMessage(m);
}

// A process body for RunProcess, which takes a plain function.
std::function<int()> g_body;
int RunBody() {
  return g_body();
}
sim::Outcome RunAsProcess(std::function<int()> body) {
  g_body = std::move(body);
  return sim::RunProcess(RunBody);
}

// The program's loop: GetMessage until WM_QUIT.
int MessageLoop() {
  plat::Message m;
  while (plat::GetMessage(m)) plat::DispatchMessage(m);
  return 0;
}

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    g_seen.clear();
    g_on_event = nullptr;
  }
  void TearDown() override {
    sim::Reset();
    g_on_event = nullptr;
    g_body = nullptr;
  }
};

// ---- Process

bool g_destructor_ran;
struct Guard {
  ~Guard() { g_destructor_ran = true; }
};

TEST_F(SimTest, EveryEndingReclaimsWhatTheProcessHeld) {
  enum class Way { Exit, ExitUnderBox, Return, Hang };
  struct Case {
    Way way;
    sim::Ended how;
    int code;
    bool destructors_run;
  } cases[] = {
      {Way::Exit, sim::Ended::ExitProcess, 3, false},
      {Way::ExitUnderBox, sim::Ended::ExitProcess, 9, false},
      {Way::Return, sim::Ended::Returned, 5, true},
      {Way::Hang, sim::Ended::Hung, -9999, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.way));
    sim::Reset();
    g_seen.clear();
    g_destructor_ran = false;
    // Under a box: the box's modal loop delivers a tick whose handler ends the process.
    g_on_event = [](Handle, Event e, int) {
      if (e == Event::Tick) plat::ExitProcess(9);
    };
    sim::Outcome out = RunAsProcess([&c] {
      {
        Guard guard;
        plat::HeapAllocate(100);
        Handle page = MakePage();
        MakeControl(page, page, 3, ControlKind::Button);
        plat::SetTimer(page, 4, 1);
        plat::PostDestroyRequest(page);
        if (c.way == Way::Exit) plat::ExitProcess(3);
        if (c.way == Way::ExitUnderBox) plat::MessageBox("x", "y", plat::kBoxTaskModal);
        if (c.way == Way::Return) return 5;
      }
      plat::KillTimer(sim::Pages()[0], 4);
      return MessageLoop();  // the destroy request, then nothing left to wait for
    });
    EXPECT_EQ(out.how, c.how);
    EXPECT_EQ(out.exit_code, c.code);
    EXPECT_EQ(g_destructor_ran, c.destructors_run);
    EXPECT_EQ(sim::LiveHeapBytes(), 0u);
    EXPECT_TRUE(sim::Pages().empty());
    EXPECT_EQ(Count(Event::Destroyed), 0) << "the OS destroys a dead process's windows silently";
    EXPECT_EQ(sim::Active(), 0u);
    g_on_event = nullptr;
    // The next process starts with an empty queue and no timer.
    long long before = sim::Now();
    sim::Outcome next = RunAsProcess([] {
      plat::Message m;
      return plat::PeekMessage(m) == plat::Peeked::Empty ? 0 : 1;
    });
    EXPECT_EQ(next.exit_code, 0);
    EXPECT_EQ(sim::Now(), before);
  }
}

TEST_F(SimTest, AnEndlessTimerEndsTheProcessAsHung) {
  sim::Outcome out = RunAsProcess([] {
    plat::SetTimer(MakePage(), 1, 1);
    return MessageLoop();
  });
  EXPECT_EQ(out.how, sim::Ended::Hung);
  EXPECT_EQ(out.exit_code, -9999);
  // One tick every 10 ms; the 100001st is retrieved, not delivered.
  EXPECT_EQ(sim::Now(), 100001 * 10LL);
}

TEST_F(SimTest, SpinningOnAnEmptyQueueEndsTheProcessAsHung) {
  sim::Outcome out = RunAsProcess([] {
    plat::SetTimer(MakePage(), 1, 1);  // peeking never lets time pass
    plat::Message m;
    for (;;) {
      if (plat::PeekMessage(m) == plat::Peeked::Message) plat::DispatchMessage(m);
    }
    return 0;
  });
  EXPECT_EQ(out.how, sim::Ended::Hung);
  EXPECT_EQ(sim::Now(), 0);
}

TEST_F(SimTest, ModuleFileNameTruncatesLikeWindows) {
  const std::string path = sim::Config{}.module_path;
  const unsigned n = path.size();
  struct Case {
    unsigned size, result;
    std::string text;
  } cases[] = {
      {0, 0, "untouched"},           {1, 1, ""},       {5, 5, path.substr(0, 4)},
      {n, n, path.substr(0, n - 1)}, {n + 1, n, path}, {260, n, path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    char buffer[300];
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(plat::ModuleFileName(buffer, c.size), c.result);
    EXPECT_EQ(std::string(buffer), c.text);
  }
}

TEST_F(SimTest, ProcessRecordsOleDirectoryAndLibrarySearch) {
  plat::StartOle();
  plat::RestrictLibrarySearch();
  plat::StartOle();
  plat::StopOle();
  EXPECT_TRUE(sim::OleStarted());
  EXPECT_EQ(sim::OleStartCount(), 2);
  EXPECT_EQ(sim::OleStopCount(), 1);
  EXPECT_TRUE(sim::LibrarySearchRestricted());
  EXPECT_EQ(sim::Calls()[0], "OleInitialize (library search not restricted)");
  EXPECT_EQ(sim::Calls()[2], "OleInitialize (library search restricted)");

  EXPECT_EQ(sim::CurrentDirectory(), "C:\\Windows\\system32");
  EXPECT_FALSE(plat::SetCurrentDirectory(""));
  EXPECT_EQ(sim::CurrentDirectory(), "C:\\Windows\\system32");
  EXPECT_TRUE(plat::SetCurrentDirectory("C:\\Users\\user\\Downloads"));
  EXPECT_EQ(sim::CurrentDirectory(), "C:\\Users\\user\\Downloads");
}

// ---- Heap

TEST_F(SimTest, FailAllocationFailsTheNthAllocationOnce) {
  struct Case {
    int nth;
    int failing;  // index among 5 allocations, -1 for none
  } cases[] = {{1, 0}, {3, 2}, {5, 4}, {0, -1}, {-2, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nth);
    sim::Reset();
    sim::FailAllocation(c.nth);
    for (int i = 0; i < 5; ++i) {
      void* block = plat::HeapAllocate(8);
      EXPECT_EQ(block == nullptr, i == c.failing) << i;
      plat::HeapRelease(block);
    }
    EXPECT_EQ(sim::LiveHeapBytes(), 0u);
  }
}

TEST_F(SimTest, HeapCountsLiveAndPeakBytes) {
  void* a = plat::HeapAllocate(10);
  void* empty1 = plat::HeapAllocate(0);
  void* empty2 = plat::HeapAllocate(0);
  void* b = plat::HeapAllocate(20);
  ASSERT_NE(empty1, nullptr);
  EXPECT_NE(empty1, empty2);
  EXPECT_EQ(sim::LiveHeapBytes(), 30u);
  plat::HeapRelease(b);
  plat::HeapRelease(nullptr);
  EXPECT_EQ(sim::LiveHeapBytes(), 10u);
  EXPECT_EQ(sim::PeakHeapBytes(), 30u);
  sim::ResetPeakHeap();
  EXPECT_EQ(sim::PeakHeapBytes(), 10u);
  plat::HeapRelease(a);
  plat::HeapRelease(empty1);
  plat::HeapRelease(empty2);
}

TEST_F(SimTest, ReleasingABlockTheHeapDidNotGiveAborts) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  int local = 0;
  EXPECT_DEATH(plat::HeapRelease(&local), "did not give out");
  EXPECT_DEATH(
      {
        void* block = plat::HeapAllocate(4);
        plat::HeapRelease(block);
        plat::HeapRelease(block);
      },
      "did not give out");
}

// ---- Windows

TEST_F(SimTest, NewWindowsStartHiddenAndShowingAPageActivatesIt) {
  Handle page = MakePage(false);
  Handle button = MakeControl(page, page, 3, ControlKind::Button, false);
  sim::WindowInfo info = sim::Info(page);
  EXPECT_TRUE(info.is_page);
  EXPECT_FALSE(info.visible);
  EXPECT_TRUE(info.enabled);
  EXPECT_EQ(info.place.left, 272);
  EXPECT_EQ(info.place.height, 358);
  EXPECT_EQ(info.text, "page");
  EXPECT_FALSE(sim::Info(button).visible);
  EXPECT_EQ(sim::Info(button).text, "ab");
  EXPECT_EQ(plat::ParentOf(button), page);
  EXPECT_EQ(plat::ParentOf(page), 0u);

  plat::ShowControl(button, true);
  EXPECT_TRUE(sim::Info(button).visible);
  EXPECT_EQ(sim::Active(), 0u) << "SW_SHOWNA activates nothing";

  plat::ShowPage(page);
  EXPECT_TRUE(sim::Info(page).visible);
  EXPECT_EQ(plat::ActiveWindow(), page);
  EXPECT_EQ(plat::ForegroundWindow(), page);
  EXPECT_EQ(plat::FocusedWindow(), page);
}

TEST_F(SimTest, HandlesAreNeverReusedAndCreatePageFaultsFireOnce) {
  Handle first = MakePage();
  plat::DestroyWindow(first);
  sim::FailCreatePage(2);
  Handle second = MakePage();
  EXPECT_EQ(MakePage(), 0u);
  Handle third = MakePage();
  EXPECT_GT(second, first);
  EXPECT_GT(third, second);
  EXPECT_FALSE(plat::IsWindow(first));
  EXPECT_EQ(plat::CreateControl(first, first, 1, plat::ControlSpec{}), 0u);
}

TEST_F(SimTest, GetTextCopiesAtMostSizeMinusOneBytes) {
  Handle page = MakePage();
  Handle edit = MakeEdit(page, 1, false, false);
  plat::SetText(edit, "abcdef");
  EXPECT_EQ(plat::TextLength(edit), 6u);
  struct Case {
    unsigned size, result;
    const char* text;
  } cases[] = {{0, 0, "untouched"}, {1, 0, ""},       {4, 3, "abc"},
               {6, 5, "abcde"},     {7, 6, "abcdef"}, {100, 6, "abcdef"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    char buffer[100];
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(plat::GetText(edit, buffer, c.size), c.result);
    EXPECT_STREQ(buffer, c.text);
  }
}

TEST_F(SimTest, DestroyingAPageDestroysItsChildrenFirstAndTellsTheSinkOnce) {
  Handle page = MakePage();
  Handle box = MakeControl(page, page, 1, ControlKind::PictureBox);
  Handle inner = MakeControl(page, box, 2, ControlKind::TransparentLabel);
  plat::SetTimer(page, 4, 1);
  plat::PostDestroyRequest(page);
  bool page_alive = false, children_alive = true;
  g_on_event = [&](Handle p, Event e, int) {
    if (e != Event::Destroyed) return;
    page_alive = plat::IsWindow(p);
    children_alive = plat::IsWindow(box) || plat::IsWindow(inner);
    EXPECT_FALSE(plat::DestroyWindow(p)) << "no second destruction from inside";
  };
  EXPECT_TRUE(plat::DestroyWindow(page));
  EXPECT_TRUE(page_alive);
  EXPECT_FALSE(children_alive);
  EXPECT_FALSE(plat::IsWindow(page));
  EXPECT_FALSE(plat::DestroyWindow(page));
  EXPECT_EQ(sim::Child(page, 2), 0u);

  // The request posted before stays queued and is dropped on dispatch; the timer is gone.
  Pump();
  EXPECT_EQ(g_seen, (std::vector<Seen>{{page, Event::Destroyed, 0}}));
  // No timer is left, so a wait has nothing to wait for.
  EXPECT_EQ(sim::RunProcess(MessageLoop).how, sim::Ended::Hung);
  EXPECT_EQ(sim::Now(), 0);
}

TEST_F(SimTest, DestroyingTheActivePageActivatesTheNewestVisiblePage) {
  Handle older = MakePage();
  Handle newer = MakePage();
  Handle hidden = MakePage(false);
  Handle button = MakeControl(newer, newer, 3, ControlKind::Button);
  plat::SetFocus(button);
  ASSERT_EQ(sim::Focused(), button);

  plat::DestroyWindow(button);
  EXPECT_EQ(sim::Focused(), 0u) << "the focus dies with its window";
  EXPECT_EQ(sim::Active(), newer);

  plat::DestroyWindow(newer);
  EXPECT_EQ(sim::Active(), older);
  EXPECT_EQ(sim::Focused(), older);
  EXPECT_EQ(plat::ForegroundWindow(), older);

  plat::DestroyWindow(older);
  EXPECT_EQ(sim::Active(), 0u) << "a hidden page is not activated";
  EXPECT_EQ(sim::Focused(), 0u);
  EXPECT_EQ(sim::Pages(), std::vector<Handle>{hidden});
}

TEST_F(SimTest, FocusGoesOnlyToWindowsThatTakeInput) {
  struct Case {
    const char* name;
    std::function<void(Handle page, Handle button)> setup;
    bool focused;
  } cases[] = {
      {"enabled", [](Handle, Handle) {}, true},
      {"button disabled", [](Handle, Handle b) { plat::EnableWindow(b, false); }, false},
      {"page disabled", [](Handle p, Handle) { plat::EnableWindow(p, false); }, false},
      {"destroyed", [](Handle, Handle b) { plat::DestroyWindow(b); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::Reset();
    Handle other = MakePage();
    Handle page = MakePage(false);
    Handle button = MakeControl(page, page, 3, ControlKind::Button);
    c.setup(page, button);
    plat::SetFocus(button);
    EXPECT_EQ(sim::Focused() == button, c.focused);
    EXPECT_EQ(sim::Active(), c.focused ? page : other) << "focusing activates the page";
  }
  // Disabling the focused window, or its page, takes the focus away.
  Handle page = MakePage();
  Handle button = MakeControl(page, page, 3, ControlKind::Button);
  plat::SetFocus(button);
  plat::EnableWindow(page, false);
  EXPECT_EQ(sim::Focused(), 0u);
  EXPECT_FALSE(plat::IsWindowEnabled(page));
  EXPECT_TRUE(plat::IsWindowEnabled(button)) << "its own flag is unchanged";
}

// ---- Input and dispatch

TEST_F(SimTest, InputReachesOnlyWindowsThatAreVisibleAndEnabledWithTheirAncestors) {
  struct Case {
    const char* name;
    std::function<void(Handle page, Handle box, Handle button)> setup;
    bool close;  // a caption close instead of a click
    Event expected;
    bool delivered;
  } cases[] = {
      {"click", [](Handle, Handle, Handle) {}, false, Event::Clicked, true},
      {"hidden button", [](Handle, Handle, Handle b) { plat::ShowControl(b, false); }, false,
       Event::Clicked, false},
      {"hidden parent", [](Handle, Handle x, Handle) { plat::ShowControl(x, false); }, false,
       Event::Clicked, false},
      {"hidden page", [](Handle p, Handle, Handle) { plat::ShowControl(p, false); }, false,
       Event::Clicked, false},
      {"disabled button", [](Handle, Handle, Handle b) { plat::EnableWindow(b, false); }, false,
       Event::Clicked, false},
      {"disabled parent", [](Handle, Handle x, Handle) { plat::EnableWindow(x, false); }, false,
       Event::Clicked, false},
      {"disabled page", [](Handle p, Handle, Handle) { plat::EnableWindow(p, false); }, false,
       Event::Clicked, false},
      {"destroyed before dispatch", [](Handle, Handle, Handle b) { plat::DestroyWindow(b); }, false,
       Event::Clicked, false},
      {"close", [](Handle, Handle, Handle) {}, true, Event::CloseRequested, true},
      {"close disabled page", [](Handle p, Handle, Handle) { plat::EnableWindow(p, false); }, true,
       Event::CloseRequested, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::Reset();
    g_seen.clear();
    Handle page = MakePage();
    Handle box = MakeControl(page, page, 1, ControlKind::PictureBox);
    Handle button = MakeControl(page, box, 3, ControlKind::Button);
    if (c.close) {
      sim::CloseByCaption(page);
    } else {
      sim::Click(button);
    }
    c.setup(page, box, button);  // after queueing: the state at dispatch decides
    Pump();
    std::vector<Seen> expected;
    if (c.delivered) expected.push_back({page, c.expected, c.close ? 0 : 3});
    EXPECT_EQ(g_seen, expected);
  }
  // Only buttons are clicked.
  g_seen.clear();
  Handle page = MakePage();
  sim::Click(MakeEdit(page, 5, false, false));
  Pump();
  EXPECT_TRUE(g_seen.empty());
}

TEST_F(SimTest, KeysDoWhatTheFocusedControlDoesWithoutADialogManager) {
  enum Target { Button, MultiEdit, SingleEdit, ReadOnlyEdit, DisabledEdit };
  struct Case {
    Target target;
    sim::Key key;
    bool clicked;
    const char* text;  // the control's text afterwards
  } cases[] = {
      {Button, sim::Key::Space, true, "ab"},        {Button, sim::Key::Enter, false, "ab"},
      {Button, sim::Key::Escape, false, "ab"},      {Button, sim::Key::F1, false, "ab"},
      {Button, sim::Key::Tab, false, "ab"},         {MultiEdit, sim::Key::Enter, false, "ab\r\n"},
      {MultiEdit, sim::Key::Space, false, "ab "},   {SingleEdit, sim::Key::Enter, false, "ab"},
      {ReadOnlyEdit, sim::Key::Enter, false, "ab"}, {DisabledEdit, sim::Key::Enter, false, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.target << " key " << static_cast<int>(c.key));
    sim::Reset();
    g_seen.clear();
    Handle page = MakePage();
    Handle control = c.target == Button
                         ? MakeControl(page, page, 3, ControlKind::Button)
                         : MakeEdit(page, 3, c.target != SingleEdit, c.target == ReadOnlyEdit);
    plat::SetFocus(control);
    sim::PressKey(c.key);
    if (c.target == DisabledEdit) plat::EnableWindow(control, false);
    Pump();
    EXPECT_EQ(Count(Event::Clicked), c.clicked ? 1 : 0);
    EXPECT_EQ(sim::Info(control).text, c.text);
  }
}

TEST_F(SimTest, TabKeyTargetNamesTheFocusedWindowOrTheActivePage) {
  Handle page = MakePage();
  Handle button = MakeControl(page, page, 3, ControlKind::Button);
  struct Case {
    bool focus_button;
    sim::Key key;
    Handle target;
    bool backwards;
  } cases[] = {
      {true, sim::Key::Tab, button, false},
      {true, sim::Key::ShiftTab, button, true},
      {true, sim::Key::Space, 0, false},
      {false, sim::Key::Tab, page, false},
  };
  for (const Case& c : cases) {
    plat::SetFocus(c.focus_button ? button : 0);
    sim::PressKey(c.key);
    plat::Message m;
    ASSERT_EQ(plat::PeekMessage(m), plat::Peeked::Message);
    bool backwards = !c.backwards;
    EXPECT_EQ(plat::TabKeyTarget(m, &backwards), c.target);
    if (c.target) {
      EXPECT_EQ(backwards, c.backwards);
    }
  }
}

TEST_F(SimTest, TypingReplacesTheTextOfAnEditableBoxOnDispatch) {
  struct Case {
    bool read_only, disabled;
    const char* text;
  } cases[] = {{false, false, "D:\\Music"}, {true, false, "ab"}, {false, true, "ab"}};
  for (const Case& c : cases) {
    sim::Reset();
    Handle page = MakePage();
    Handle edit = MakeEdit(page, 1, false, c.read_only);
    sim::Type(edit, "D:\\Music");
    EXPECT_EQ(sim::Info(edit).text, "ab") << "nothing happens before dispatch";
    if (c.disabled) plat::EnableWindow(edit, false);
    Pump();
    EXPECT_EQ(sim::Info(edit).text, c.text);
  }
}

// ---- Messages and timers

TEST_F(SimTest, PostedMessagesComeFirstInOrderAndQuitStaysForPeek) {
  Handle page = MakePage();
  plat::SetTimer(page, 4, 1);
  plat::PostDestroyRequest(page);
  plat::PostQuit(7);
  EXPECT_FALSE(plat::PostDestroyRequest(999));
  plat::Message m;
  ASSERT_EQ(plat::PeekMessage(m), plat::Peeked::Message);
  plat::DispatchMessage(m);
  EXPECT_EQ(g_seen, (std::vector<Seen>{{page, Event::DestroyRequest, 0}}));
  EXPECT_EQ(plat::PeekMessage(m), plat::Peeked::Quit);
  EXPECT_EQ(plat::PeekMessage(m), plat::Peeked::Quit) << "Peek leaves WM_QUIT queued";
  EXPECT_FALSE(plat::GetMessage(m));
  EXPECT_EQ(plat::PeekMessage(m), plat::Peeked::Empty) << "no tick is due before 10 ms";
  EXPECT_EQ(sim::Now(), 0);
  EXPECT_TRUE(plat::GetMessage(m)) << "waiting lets the timer expire";
  EXPECT_EQ(sim::Now(), 10);
}

TEST_F(SimTest, TimersTickAtTheirPeriodsButNeverFasterThanTheMinimum) {
  Handle page = MakePage();
  plat::SetTimer(page, 1, 1);  // runs at 10 ms
  plat::SetTimer(page, 2, 25);
  plat::SetTimer(page, 3, 50);
  plat::SetTimer(page, 3, 15);  // the same id again replaces the timer
  EXPECT_EQ(sim::Info(page).timer_period, 1);
  std::vector<std::pair<long long, int>> ticks;
  g_on_event = [&](Handle, Event e, int id) {
    if (e == Event::Tick) ticks.push_back({sim::Now(), id});
  };
  plat::Message m;
  while (sim::Now() < 30 && plat::GetMessage(m)) plat::DispatchMessage(m);
  std::vector<std::pair<long long, int>> expected = {{10, 1}, {15, 3}, {20, 1},
                                                     {25, 2}, {30, 1}, {30, 3}};
  plat::GetMessage(m);  // the second tick due at 30
  plat::DispatchMessage(m);
  EXPECT_EQ(ticks, expected);

  // A tick already retrieved when its timer is killed is dropped on dispatch.
  ticks.clear();
  ASSERT_TRUE(plat::GetMessage(m));
  plat::KillTimer(page, 1);
  plat::KillTimer(page, 2);
  plat::KillTimer(page, 3);
  plat::DispatchMessage(m);
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(sim::Info(page).timer_period, 0);
}

TEST_F(SimTest, UserStepsRunOnlyWhenTheProgramWaitsWithNothingToDo) {
  std::vector<std::string> order;
  g_on_event = [&](Handle page, Event e, int) {
    if (e == Event::Clicked) order.push_back("click");
    if (e == Event::Tick) order.push_back("tick");
    if (e == Event::Tick) plat::KillTimer(page, 1);
    if (e == Event::CloseRequested) plat::PostQuit(0);
  };
  sim::AddStep([&] {
    order.push_back("step 1");
    sim::Click(sim::Child(sim::Pages()[0], 3));
    sim::Click(sim::Child(sim::Pages()[0], 3));
  });
  sim::AddStep([&] { order.push_back("step 2"); });  // queues nothing: the next step runs
  sim::AddStep([&] {
    order.push_back("step 3");
    sim::CloseByCaption(sim::Pages()[0]);
  });
  sim::Outcome out = RunAsProcess([] {
    Handle page = MakePage();
    MakeControl(page, page, 3, ControlKind::Button);
    plat::SetTimer(page, 1, 100);
    return MessageLoop();
  });
  EXPECT_EQ(out.how, sim::Ended::Returned);
  EXPECT_EQ(order,
            (std::vector<std::string>{"tick", "step 1", "click", "click", "step 2", "step 3"}));

  sim::Outcome hung = RunAsProcess([] {
    MakePage();
    return MessageLoop();
  });
  EXPECT_EQ(hung.how, sim::Ended::Hung);
  EXPECT_EQ(hung.exit_code, -9999);
}

// ---- Message boxes

TEST_F(SimTest, MessageBoxesReturnScriptedAnswersOrTheFirstButton) {
  struct Case {
    unsigned style;
    std::vector<int> answers;
    int result;
    bool answered;
  } cases[] = {
      {0x2000, {}, plat::kAnswerOk, false},
      {0x2004, {}, plat::kAnswerYes, false},
      {0x2004, {plat::kAnswerNo}, plat::kAnswerNo, true},
      {0x1004, {plat::kAnswerYes}, plat::kAnswerYes, true},
      {0x2010, {plat::kAnswerOk}, plat::kAnswerOk, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    sim::Reset();
    sim::AnswerBoxes(c.answers);
    EXPECT_EQ(plat::MessageBox("您确定要退出安装?", "提示", c.style), c.result);
    ASSERT_EQ(sim::Boxes().size(), 1u);
    EXPECT_EQ(sim::Boxes()[0].text, "您确定要退出安装?");
    EXPECT_EQ(sim::Boxes()[0].caption, "提示");
    EXPECT_EQ(sim::Boxes()[0].style, c.style);
    EXPECT_EQ(sim::Boxes()[0].answered, c.answered);
    EXPECT_EQ(sim::Boxes()[0].answer, c.result);
  }
  sim::FailMessageBoxes(true);
  EXPECT_EQ(plat::MessageBox("x", "提示", 0x2000), 0);
  EXPECT_EQ(sim::Boxes().size(), 1u) << "a box that fails shows nothing";
  sim::FailMessageBoxes(false);
  sim::AnswerBoxes({plat::kAnswerOk});
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(plat::MessageBox("x", "提示", 0x2004), "not a button");
}

TEST_F(SimTest, AnOpenBoxDisablesEveryPageAndRunsTheQueueAndTimers) {
  Handle first = MakePage();
  Handle second = MakePage();
  Handle third = MakePage();
  Handle button = MakeControl(second, second, 3, ControlKind::Button);
  plat::EnableWindow(third, false);
  plat::SetFocus(button);
  plat::SetTimer(second, 4, 1);
  plat::SetTimer(third, 5, 1000);
  sim::Click(button);
  plat::PostDestroyRequest(first);
  std::vector<bool> enabled_in_handler;
  g_on_event = [&](Handle page, Event e, int) {
    for (Handle p : sim::Pages()) enabled_in_handler.push_back(sim::Info(p).enabled);
    if (e == Event::DestroyRequest) plat::DestroyWindow(page);
  };

  plat::MessageBox("请先输入安装地址", "提示", 0x2000);

  EXPECT_EQ(sim::Boxes()[0].pages_enabled, (std::vector<bool>{false, false, false}));
  // The click was input to a disabled page: dropped. The rest is delivered, one tick a timer.
  EXPECT_EQ(g_seen, (std::vector<Seen>{{first, Event::DestroyRequest, 0},
                                       {first, Event::Destroyed, 0},
                                       {second, Event::Tick, 4},
                                       {third, Event::Tick, 5}}));
  for (bool enabled : enabled_in_handler) EXPECT_FALSE(enabled);
  EXPECT_TRUE(sim::Info(second).enabled);
  EXPECT_FALSE(sim::Info(third).enabled) << "a page disabled before stays disabled";
  EXPECT_EQ(sim::Focused(), button) << "the focus returns where it was";
  EXPECT_EQ(sim::Active(), second);
  EXPECT_EQ(sim::Now(), 0);
}

// ---- Trace and Reset

TEST_F(SimTest, TraceHasOneLinePerCallInOrderAndFeedsTheHook) {
  std::vector<std::string> hooked;
  sim::OnCall([&](const std::string& line) { hooked.push_back(line); });
  sim::AnswerBoxes({plat::kAnswerYes});
  RunAsProcess([]() -> int {
    plat::RestrictLibrarySearch();
    plat::StartOle();
    plat::SetCurrentDirectory("C:\\Users\\user\\Downloads");
    Handle page = MakePage(false);
    MakeControl(page, page, 3, ControlKind::Button);
    plat::ShowPage(page);
    plat::SetTimer(page, 4, 1);
    plat::KillTimer(page, 4);
    plat::PostDestroyRequest(page);
    plat::DestroyWindow(page);
    plat::MessageBox("您确定要退出安装?", "提示", 0x2004);
    plat::StopOle();
    plat::ExitProcess(0);
  });
  std::vector<std::string> expected = {
      "RestrictLibrarySearch",
      "OleInitialize (library search restricted)",
      "SetCurrentDirectoryA C:\\Users\\user\\Downloads",
      "CreatePage hidden 272,205 480x358",
      "CreateControl id=3 Button 288,297 80x22",
      "ShowControl id=3 SW_SHOWNA",
      "ShowWindow SW_SHOW page",
      "SetTimer id=4 1",
      "KillTimer id=4",
      "PostMessage PageDestroyRequest",
      "DestroyWindow page",
      "MessageBoxA 0x2004 提示",
      "OleUninitialize",
      "ExitProcess 0",
  };
  EXPECT_EQ(sim::Calls(), expected);
  EXPECT_EQ(hooked, expected);
}

TEST_F(SimTest, ResetClearsTheWholeMachine) {
  int hook_calls = 0;
  sim::OnCall([&](const std::string&) { ++hook_calls; });
  sim::AnswerBoxes({plat::kAnswerNo});
  plat::MessageBox("x", "y", 0x2004);
  sim::AnswerBoxes({plat::kAnswerNo});
  sim::AddStep([] { ADD_FAILURE() << "a step survived Reset"; });
  sim::FailAllocation(1);
  sim::FailCreatePage(1);
  sim::FailMessageBoxes(true);
  plat::HeapAllocate(5);
  plat::StartOle();
  plat::SetTimer(MakePage(), 1, 1);
  sim::Reset(sim::Config{800, 600, "C:\\setup.exe", "C:\\"});
  int calls_before = hook_calls;

  EXPECT_TRUE(sim::Calls().empty());
  EXPECT_TRUE(sim::Boxes().empty());
  EXPECT_TRUE(sim::Pages().empty());
  EXPECT_EQ(sim::LiveHeapBytes(), 0u);
  EXPECT_EQ(sim::PeakHeapBytes(), 0u);
  EXPECT_EQ(sim::OleStartCount(), 0);
  EXPECT_EQ(sim::Now(), 0);
  EXPECT_EQ(sim::CurrentDirectory(), "C:\\");
  EXPECT_EQ(plat::ScreenSize().width, 800);
  void* block = plat::HeapAllocate(1);
  EXPECT_NE(block, nullptr);
  plat::HeapRelease(block);
  EXPECT_EQ(MakePage(), 1u);
  EXPECT_EQ(plat::MessageBox("x", "y", 0x2004), plat::kAnswerYes);
  EXPECT_FALSE(sim::Boxes()[0].answered);
  EXPECT_EQ(hook_calls, calls_before);
  sim::Outcome out = RunAsProcess([] { return MessageLoop(); });
  EXPECT_EQ(out.how, sim::Ended::Hung);
}

}  // namespace
