// Stand-in of the player. Built without the C runtime so that its import table holds only the
// calls below: it finds its folder, checks that the core support module beside it loads and
// offers GetNewInf, reads the system's name, and says in a box what it is.
#include <windows.h>

enum { kTextSize = 1024 };

// Appends as much of `tail` as fits; `text` stays NUL-terminated.
static void append(char* text, int size, const char* tail) {
  int used = lstrlenA(text);
  int room = size - used - 1;
  if (lstrlenA(tail) <= room) {
    lstrcatA(text, tail);
    return;
  }
  char* end = text + used;
  for (int i = 0; i < room; ++i) end[i] = tail[i];
  end[room > 0 ? room : 0] = '\0';
}

// Leaves the folder of `path` with its trailing backslash.
static void cut_to_folder(char* path) {
  int n = lstrlenA(path);
  while (n > 0 && path[n - 1] != '\\') --n;
  path[n] = '\0';
}

static void describe_core_module(char* text) {
  char path[MAX_PATH + 16];
  DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    append(text, kTextSize, "运行支持库：找不到程序所在的文件夹");
    return;
  }
  cut_to_folder(path);
  lstrcatA(path, "krnln.fnr");
  HMODULE core = LoadLibraryA(path);
  if (core == NULL) {
    append(text, kTextSize, "运行支持库：无法载入 krnln.fnr");
    return;
  }
  FARPROC entry = GetProcAddress(core, "GetNewInf");
  append(text, kTextSize,
         entry != NULL ? "运行支持库：krnln.fnr 已载入" : "运行支持库：krnln.fnr 缺少 GetNewInf");
  FreeLibrary(core);
}

static void describe_system(char* text) {
  HKEY key;
  char name[128];
  DWORD size = sizeof(name) - 1;
  DWORD type = 0;
  append(text, kTextSize, "\n操作系统：");
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    append(text, kTextSize, "未知");
    return;
  }
  LONG status = RegQueryValueExA(key, "ProductName", NULL, &type, (BYTE*)name, &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) {
    append(text, kTextSize, "未知");
    return;
  }
  name[size] = '\0';
  append(text, kTextSize, name);
}

void player_start(void) {
  char text[kTextSize];
  text[0] = '\0';
  append(text, kTextSize, "这是青禾音乐盒播放器的替身程序，只供安装包测试使用。\n\n");
  describe_core_module(text);
  describe_system(text);
  MessageBoxA(NULL, text, "青禾音乐盒", MB_OK | MB_ICONINFORMATION);
  ExitProcess(0);
}
