// Stand-in of the uninstaller. It links the same twelve system libraries as the real one and
// touches each with one call that changes nothing, then says in a box that it is a stand-in.
// It removes no file, folder, shortcut or registry value.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <oleauto.h>
#include <shlobj.h>
#include <winspool.h>

enum { kTextSize = 1024 };

static void append(char* text, const char* tail) {
  int used = lstrlenA(text);
  int room = kTextSize - used - 1;
  char* end = text + used;
  int i = 0;
  for (; i < room && tail[i] != '\0'; ++i) end[i] = tail[i];
  end[i] = '\0';
}

static void append_line(char* text, const char* label, const char* value) {
  append(text, "\n");
  append(text, label);
  append(text, value);
}

// Calls into the libraries that only need to be present; each call is undone or reads only.
static void touch_quiet_libraries(void) {
  InitCommonControls();
  (void)CommDlgExtendedError();
  (void)GetStockObject(DEFAULT_GUI_FONT);
  (void)timeGetTime();
  WSADATA sockets;
  if (WSAStartup(MAKEWORD(2, 2), &sockets) == 0) WSACleanup();
  if (SUCCEEDED(CoInitialize(NULL))) {
    BSTR probe = SysAllocString(L"probe");
    SysFreeString(probe);
    CoUninitialize();
  }
}

static void describe_machine(char* text) {
  char value[MAX_PATH + 1];
  DWORD size = sizeof(value);
  if (GetModuleFileNameA(NULL, value, MAX_PATH) == 0) value[0] = '\0';
  value[MAX_PATH] = '\0';
  append_line(text, "程序：", value);
  if (!SHGetSpecialFolderPathA(NULL, value, CSIDL_PROGRAMS, FALSE)) value[0] = '\0';
  append_line(text, "开始菜单程序文件夹：", value);
  size = sizeof(value);
  if (!GetUserNameA(value, &size)) value[0] = '\0';
  append_line(text, "当前用户：", value);
  size = sizeof(value);
  if (!GetDefaultPrinterA(value, &size)) value[0] = '\0';
  append_line(text, "默认打印机：", value[0] != '\0' ? value : "无");
}

void uninstall_start(void) {
  char text[kTextSize];
  text[0] = '\0';
  append(text, "这是青禾音乐盒卸载程序的替身，只供安装包测试使用，不会删除任何文件。\n");
  touch_quiet_libraries();
  describe_machine(text);
  MessageBoxA(NULL, text, "青禾音乐盒卸载", MB_OK | MB_ICONINFORMATION);
  ExitProcess(0);
}
