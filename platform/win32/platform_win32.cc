// The seam over the real ANSI Win32 calls.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "platform/platform.h"
#include "platform/win32/ui_texts_win32.h"

namespace plat {

bool pathFileExists(const char* path) { return PathFileExistsA(path) != 0; }
bool pathIsDirectory(const char* path) { return PathIsDirectoryA(path) != 0; }

unsigned fullPathName(const char* name, char* out, unsigned size) {
  return GetFullPathNameA(name, size, out, nullptr);
}

unsigned searchPath(const char* folders, const char* name, char* out,
                    unsigned size) {
  return SearchPathA(folders, name, nullptr, size, out, nullptr);
}

bool readWholeFile(const char* path, OpenMode mode, std::string* text) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr,
                            mode == kOpenAlways ? OPEN_ALWAYS : OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(file, nullptr);
  bool ok = size != INVALID_FILE_SIZE;
  if (ok) {
    text->assign(size, '\0');
    DWORD read = 0;
    ok = size == 0 || ReadFile(file, &(*text)[0], size, &read, nullptr);
    text->resize(ok ? read : 0);
  }
  CloseHandle(file);
  return ok;
}

bool listFolder(const char* pattern, std::vector<std::string>* names) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern, &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    names->push_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return true;
}

bool specialFolderPath(PlatWindow owner, int csidl, char* out) {
  out[0] = '\0';
  return SHGetSpecialFolderPathA(static_cast<HWND>(owner), out, csidl,
                                 FALSE) != 0;
}

void localDate(int* year, int* month, int* day) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  *year = now.wYear;
  *month = now.wMonth;
  *day = now.wDay;
}

bool isLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != 0; }

int shellFileOperation(const FileOperation& op, bool* aborted) {
  SHFILEOPSTRUCTA request;
  ZeroMemory(&request, sizeof request);
  request.hwnd = static_cast<HWND>(op.window);
  request.wFunc = static_cast<UINT>(op.func);
  request.pFrom = op.from;
  request.pTo = op.to;
  request.fFlags = static_cast<FILEOP_FLAGS>(op.flags);
  int result = SHFileOperationA(&request);
  *aborted = request.fAnyOperationsAborted != 0;
  return result;
}

namespace {

int CALLBACK browseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED)
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

std::string browseForFolder(PlatWindow owner, UiText title,
                            const char* startFolder) {
  // The new dialog style needs COM on this thread; nothing else uses it.
  static bool comReady = SUCCEEDED(CoInitialize(nullptr));
  (void)comReady;
  char start[MAX_PATH];
  lstrcpynA(start, startFolder, MAX_PATH);
  BROWSEINFOA info;
  ZeroMemory(&info, sizeof info);
  info.hwndOwner = static_cast<HWND>(owner);
  info.lpszTitle = uiTextBytes(title);
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = browseCallback;
  info.lParam = reinterpret_cast<LPARAM>(start);
  LPITEMIDLIST list = SHBrowseForFolderA(&info);
  if (!list) return std::string();
  char result[MAX_PATH] = "";
  if (!SHGetPathFromIDListA(list, result)) result[0] = '\0';
  CoTaskMemFree(list);
  return result;
}

void shellExecute(const char* file, const char* parameters,
                  const char* folder) {
  ShellExecuteA(nullptr, nullptr, file, parameters, folder, SW_SHOWNORMAL);
}

void informationBeep() { MessageBeep(MB_ICONASTERISK); }

void messageBox(PlatWindow owner, UiText text, UiText title) {
  MessageBoxA(static_cast<HWND>(owner), uiTextBytes(text), uiTextBytes(title),
              MB_OK);
}

void setForegroundWindow(PlatWindow window) {
  SetForegroundWindow(static_cast<HWND>(window));
}

PlatWindow foregroundWindow() { return GetForegroundWindow(); }

bool isKeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
bool isKeyDownAsync(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }
void sleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

bool windowRect(PlatWindow window, int* left, int* top, int* right,
                int* bottom) {
  RECT r;
  if (!GetWindowRect(static_cast<HWND>(window), &r)) return false;
  *left = r.left;
  *top = r.top;
  *right = r.right;
  *bottom = r.bottom;
  return true;
}

void cursorPos(int* x, int* y) {
  POINT p = {0, 0};
  GetCursorPos(&p);
  *x = p.x;
  *y = p.y;
}

void postNullMessage(PlatWindow window) {
  PostMessageA(static_cast<HWND>(window), WM_NULL, 0, 0);
}

bool clipboardHasFileList() { return IsClipboardFormatAvailable(CF_HDROP); }
bool clipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT); }
bool openClipboard(PlatWindow owner) {
  return OpenClipboard(static_cast<HWND>(owner)) != 0;
}
void closeClipboard() { CloseClipboard(); }

bool clipboardFileList(std::vector<std::string>* names) {
  HDROP drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  if (!drop) return false;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Asked for its length first, so a long name is never cut to 259.
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string name(length + 1, '\0');
    DragQueryFileA(drop, i, &name[0], length + 1);
    name.resize(length);
    names->push_back(name);
  }
  return true;
}

bool clipboardText(std::string* text) {
  HANDLE handle = GetClipboardData(CF_TEXT);
  if (!handle) return false;
  const char* locked = static_cast<const char*>(GlobalLock(handle));
  if (!locked) return false;
  *text = locked;
  GlobalUnlock(handle);
  return true;
}

PlatMenu createPopupMenu() { return CreatePopupMenu(); }
PlatMenu createMenu() { return CreateMenu(); }
void destroyMenu(PlatMenu menu) { DestroyMenu(static_cast<HMENU>(menu)); }

void appendMenuItem(PlatMenu menu, unsigned flags, int id, const char* text) {
  AppendMenuA(static_cast<HMENU>(menu), flags, static_cast<UINT_PTR>(id),
              (flags & MF_SEPARATOR) ? nullptr : text);
}

void setMenuItemChecked(PlatMenu menu, int id, bool checked) {
  MENUITEMINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  info.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
  SetMenuItemInfoA(static_cast<HMENU>(menu), static_cast<UINT>(id), FALSE,
                   &info);
}

void setMenuItemSubmenu(PlatMenu menu, int id, PlatMenu submenu) {
  MENUITEMINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = static_cast<HMENU>(submenu);
  SetMenuItemInfoA(static_cast<HMENU>(menu), static_cast<UINT>(id), FALSE,
                   &info);
}

int menuItemCount(PlatMenu menu) {
  return GetMenuItemCount(static_cast<HMENU>(menu));
}

void deleteMenuItemAt(PlatMenu menu, int position) {
  DeleteMenu(static_cast<HMENU>(menu), static_cast<UINT>(position),
             MF_BYPOSITION);
}

PlatMenu subMenuAt(PlatMenu menu, int position) {
  return GetSubMenu(static_cast<HMENU>(menu), position);
}

bool menuItemIdAt(PlatMenu menu, int position, int* id) {
  MENUITEMINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  if (!GetMenuItemInfoA(static_cast<HMENU>(menu), static_cast<UINT>(position),
                        TRUE, &info))
    return false;
  *id = static_cast<int>(info.wID);
  return true;
}

int trackPopupMenu(PlatMenu menu, unsigned flags, int x, int y,
                   PlatWindow owner) {
  return TrackPopupMenu(static_cast<HMENU>(menu), flags, x, y, 0,
                        static_cast<HWND>(owner), nullptr);
}

}  // namespace plat
