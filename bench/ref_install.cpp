// The install time's yardstick: the installer's 40 operations as bare Win32 calls, from the same
// embedded bytes, into the root given on the command line, and nothing else. A click on its
// one button runs them, then a second window appears, so the driver times it exactly as it
// times setup.exe: from the click to a window becoming visible.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <objidl.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "install/install_plan.h"
#include "payload/payload_store.h"

namespace {

constexpr char kClass[] = "BenchRefInstall";
constexpr char kTitle[] = "ref_install";
constexpr char kDoneTitle[] = "ref_install done";
constexpr int kGoId = 1;
constexpr size_t kPath = MAX_PATH * 2;

// a, b and c joined into out, as the installer joins its texts; the buffers are sized for
// every path of the plan.
void Join(char* out, const char* a, const char* b, const char* c = "") {
  lstrcpynA(out, a, kPath);
  size_t used = std::strlen(out);
  lstrcpynA(out + used, b, static_cast<int>(kPath - used));
  used = std::strlen(out);
  lstrcpynA(out + used, c, static_cast<int>(kPath - used));
}

const char* RootSeparator(const char* root) {
  size_t length = std::strlen(root);
  return length && root[length - 1] == '\\' ? "" : "\\";
}

void SpecialFolder(const InstallAction& action, char* folder) {
  folder[0] = '\0';
  int csidl = action.base == Base::DesktopBase ? CSIDL_DESKTOPDIRECTORY : CSIDL_PROGRAMS;
  SHGetSpecialFolderPathA(nullptr, folder, csidl, FALSE);
  size_t length = std::strlen(folder);
  if (length && folder[length - 1] != '\\') lstrcatA(folder, "\\");
}

void Write(const char* path, ByteBlock block) {
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, &security, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, block.bytes, static_cast<DWORD>(block.length), &written, nullptr);
  CloseHandle(file);
}

void Shortcut(const char* link_path, const char* target) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    link->SetPath(target);
    link->SetShowCmd(SW_SHOW);
    WCHAR name[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, link_path, -1, name, MAX_PATH)) file->Save(name, TRUE);
    file->Release();
  }
  link->Release();
}

void Perform(const char* root, const InstallAction& action) {
  char target[kPath];
  if (action.base == Base::InstallRootBase) {
    Join(target, root, RootSeparator(root), action.relative);
  } else {
    char folder[kPath];
    SpecialFolder(action, folder);
    Join(target, folder, action.relative);
  }
  switch (action.kind) {
    case ActionKind::MakeDirectory:
      CreateDirectoryA(target, nullptr);
      break;
    case ActionKind::WritePayloadFile:
      Write(target, PayloadAt(action.payload).block);
      break;
    case ActionKind::SetAttributes:
      SetFileAttributesA(target, action.attributes & 0x27);
      break;
    case ActionKind::MakeShortcut: {
      char link[kPath];
      if (action.web) {
        Shortcut(target, action.link_target);
      } else {
        // One separator between root and product folder, as setup.exe stores the target.
        const char* below = action.link_target + (action.link_target[0] == '\\' ? 1 : 0);
        Join(link, root, RootSeparator(root), below);
        Shortcut(target, link);
      }
      break;
    }
  }
}

void ShowDone() {
  HWND done = CreateWindowExA(0, kClass, kDoneTitle, WS_OVERLAPPEDWINDOW, 300, 250, 480, 358,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(done, SW_SHOW);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrA(
          hwnd, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
      break;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kGoId) {
        auto root = reinterpret_cast<const char*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        for (const InstallAction& action : InstallPlan) Perform(root, action);
        ShowDone();
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// The command line's first argument, quotes removed.
void ReadRoot(const char* command_line, char* root) {
  while (*command_line == ' ') ++command_line;
  bool quoted = *command_line == '"';
  if (quoted) ++command_line;
  lstrcpynA(root, command_line, kPath);
  size_t length = std::strlen(root);
  if (quoted && length && root[length - 1] == '"') root[length - 1] = '\0';
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  char root[kPath];
  ReadRoot(command_line, root);
  // Start-up work the installer also does before its first page: not part of the timing.
  OleInitialize(nullptr);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, 272, 205, 480, 358, nullptr,
                              nullptr, instance, root);
  CreateWindowExA(0, "BUTTON", "go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 376, 297, 80, 22, main,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGoId)), instance, nullptr);
  ShowWindow(main, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  OleUninitialize();
  return 0;
}
