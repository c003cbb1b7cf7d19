// Shell services: special folders, the folder picker, shell links.
#include "platform/win32/win32.h"

#include <objidl.h>
#include <shlobj.h>

namespace plat {

namespace {

// The shell link class and the two interfaces we ask of it, with their documented values:
// defined here, the link does not pull the import library's whole table of GUIDs.
const CLSID kShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkInterface = {
    0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFileInterface = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (pointer_) pointer_->Release();
  }
  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace

bool SpecialFolderPath(SpecialFolder folder, char* buffer) {
  int csidl = folder == SpecialFolder::DesktopDirectory ? CSIDL_DESKTOPDIRECTORY : CSIDL_PROGRAMS;
  return ::SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE) != FALSE;
}

Picked PickFolder(Handle owner, const char* title, char* buffer) {
  char display_name[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = reinterpret_cast<HWND>(owner);
  info.pidlRoot = nullptr;
  info.pszDisplayName = display_name;
  info.lpszTitle = title;
  info.ulFlags = BIF_EDITBOX;
  LPITEMIDLIST list = ::SHBrowseForFolderA(&info);
  if (!list) return Picked::Nothing;
  buffer[0] = '\0';
  Picked result = ::SHGetPathFromIDListA(list, buffer) && buffer[0] ? Picked::Path : Picked::NoPath;
  ComRef<IMalloc> allocator;
  if (SUCCEEDED(::SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.out())))) allocator->Free(list);
  return result;
}

int32_t CreateShellLink(const char* link_path, const char* target) {
  ComRef<IShellLinkA> link;
  HRESULT result = ::CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                      kShellLinkInterface, link.out());
  if (FAILED(result)) return result;
  ComRef<IPersistFile> file;
  result = link->QueryInterface(kPersistFileInterface, file.out());
  if (FAILED(result)) return result;
  link->SetPath(target);
  link->SetShowCmd(SW_SHOW);
  WCHAR name[MAX_PATH];
  if (!::MultiByteToWideChar(CP_ACP, 0, link_path, -1, name, MAX_PATH))
    return HRESULT_FROM_WIN32(::GetLastError());
  // The persist-file interface goes first, then the link object, as the scopes unwind.
  return file->Save(name, TRUE);
}

}  // namespace plat
