// The seam over the real Win32 calls. Every call that takes a name or a text
// in, or hands one back, is the wide one: names go in with their marks
// decoded (wideFromMarked) and come back marked (markedFromWide), so no code
// page ever best-fits a name into another. Only calls that carry no name
// (messages, classes, hooks, resources by number) stay ANSI.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>
#include <cwchar>

#include "platform/platform.h"
#include "platform/win32/ui_texts_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace plat {

bool pathFileExists(const char* path) { return PathFileExistsW(wideFromMarked(path).c_str()) != 0; }
bool pathIsDirectory(const char* path) {
  return PathIsDirectoryW(wideFromMarked(path).c_str()) != 0;
}

namespace {

// A name from the system into the field out[size] with the ANSI calls'
// contract: its length in bytes, or size or more when it does not fit. It
// fits by Windows' own count, its UTF-16 units, whatever its script.
unsigned copyName(const wchar_t* wide, size_t units, char* out, unsigned size) {
  if (units + 1 > size / kBytesPerUnit) return size;
  std::string name = markedFromWide(wide, units);
  if (name.size() + 1 > size) return static_cast<unsigned>(name.size() + 1);
  memcpy(out, name.c_str(), name.size() + 1);
  return static_cast<unsigned>(name.size());
}

// Asks a wide call for its length first, so no result is ever cut.
template <typename Call>
unsigned wideResult(Call call, char* out, unsigned size) {
  DWORD needed = call(nullptr, 0);
  if (needed == 0) return 0;
  std::wstring result(needed, L'\0');
  DWORD length = call(&result[0], needed);
  if (length == 0 || length >= needed) return 0;
  return copyName(result.c_str(), length, out, size);
}

}  // namespace

unsigned fullPathName(const char* name, char* out, unsigned size) {
  // The ANSI call hands back a best-fit look-alike of a current folder the
  // code page cannot hold: "r.txt" in café became ...\cafe\r.txt.
  std::wstring wide = wideFromMarked(name);
  return wideResult(
      [&](wchar_t* buffer, DWORD length) {
        return GetFullPathNameW(wide.c_str(), length, buffer, nullptr);
      },
      out, size);
}

unsigned searchPath(const char* folders, const char* name, char* out,
                    unsigned size) {
  std::wstring wideFolders = folders ? wideFromMarked(folders) : std::wstring();
  std::wstring wideName = wideFromMarked(name);
  return wideResult(
      [&](wchar_t* buffer, DWORD length) {
        return SearchPathW(folders ? wideFolders.c_str() : nullptr,
                           wideName.c_str(), nullptr, length, buffer, nullptr);
      },
      out, size);
}

bool readWholeFile(const char* path, OpenMode mode, std::string* text) {
  HANDLE file = CreateFileW(wideFromMarked(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
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
  // The wide listing gives every name as it is; the ANSI one would hand
  // over best-fit look-alikes (e -> e, a wildcard ? for the rest).
  std::wstring widePattern = wideFromMarked(pattern);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(widePattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    names->push_back(markedFromWide(data.cFileName));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return true;
}

bool specialFolderPath(PlatWindow owner, int csidl, char* out) {
  out[0] = '\0';
  wchar_t folder[MAX_PATH] = L"";
  if (!SHGetSpecialFolderPathW(static_cast<HWND>(owner), folder, csidl, FALSE))
    return false;
  const unsigned size = MAX_PATH * kBytesPerUnit;
  if (copyName(folder, wcslen(folder), out, size) < size) return true;
  out[0] = '\0';
  return false;
}

void localDate(int* year, int* month, int* day) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  *year = now.wYear;
  *month = now.wMonth;
  *day = now.wDay;
}

namespace {

struct CharBytesTable {
  unsigned char bytes[256];
  CharBytesTable() {
    bool utf8 = GetACP() == CP_UTF8;
    for (int c = 0; c < 256; ++c) {
      if (!utf8) bytes[c] = IsDBCSLeadByte(static_cast<BYTE>(c)) ? 2 : 1;
      else bytes[c] = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c <= 0xEF ? 3
                      : c >= 0xC2 && c <= 0xDF ? 2 : 1;
    }
  }
};

}  // namespace

int ansiCharBytes(unsigned char lead) {
  // Asked for every byte beyond ASCII of every scan: one table, made once.
  static const CharBytesTable table;
  return table.bytes[lead];
}

bool ansiTextReadable(const char* bytes, size_t length) {
  return length == 0 || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes,
                                            static_cast<int>(length), nullptr, 0) > 0;
}

std::string ansiFromUtf16(const std::u16string& text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");
  return markedFromWide(reinterpret_cast<const wchar_t*>(text.data()),
                        text.size());
}

std::u16string utf16FromAnsi(const std::string& text) {
  std::wstring wide = wideFromMarked(text);
  return std::u16string(wide.begin(), wide.end());
}

void* holdFileExclusively(const char* path, bool* heldElsewhere) {
  HANDLE file = CreateFileW(wideFromMarked(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  *heldElsewhere = file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
  return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

void releaseFile(void* hold) { CloseHandle(static_cast<HANDLE>(hold)); }

bool replaceFile(const char* path, const std::string& bytes) {
  std::wstring target = wideFromMarked(path);
  // Wine's MoveFileExW replaces a read-only file, and its flag with it.
  DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return false;
  std::wstring temporary = target + L".new";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  ok = ok && MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

bool fileWritable(const char* path) {
  std::wstring name = wideFromMarked(path);
  DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
  // Missing: whether a file can be made beside it, and gone again at once.
  // A leftover of a write that stopped half-way is no answer: the next
  // write replaces it, so a probe of a name of its own is made instead.
  std::wstring folder = name.substr(0, name.find_last_of(L"\\/") + 1);
  wchar_t probe[MAX_PATH + 16];
  if (folder.empty() || folder.size() >= MAX_PATH - 14) return false;
  if (!GetTempFileNameW(folder.c_str(), L"fvx", 0, probe)) return false;
  DeleteFileW(probe);
  return true;
}

namespace {

// A list of NUL-separated names ended by an empty one, each decoded.
std::wstring wideItemList(const char* items) {
  std::wstring list;
  for (const char* item = items; *item; item += strlen(item) + 1) {
    list += wideFromMarked(item);
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  return list;
}

}  // namespace

int shellFileOperation(const FileOperation& op, bool* aborted) {
  std::wstring from = wideItemList(op.from), to = wideItemList(op.to);
  SHFILEOPSTRUCTW request;
  ZeroMemory(&request, sizeof request);
  request.hwnd = static_cast<HWND>(op.window);
  request.wFunc = static_cast<UINT>(op.func);
  request.pFrom = from.c_str();
  request.pTo = to.c_str();
  request.fFlags = static_cast<FILEOP_FLAGS>(op.flags);
  int result = SHFileOperationW(&request);
  *aborted = request.fAnyOperationsAborted != 0;
  return result;
}

namespace {

int CALLBACK browseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED)
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

std::string browseForFolder(PlatWindow owner, UiText title,
                            const char* startFolder) {
  // The new dialog style needs COM on this thread; nothing else uses it.
  static bool comReady = SUCCEEDED(CoInitialize(nullptr));
  (void)comReady;
  std::wstring start = wideFromMarked(startFolder);
  std::wstring titleText = uiText(title);
  BROWSEINFOW info;
  ZeroMemory(&info, sizeof info);
  info.hwndOwner = static_cast<HWND>(owner);
  info.lpszTitle = titleText.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = browseCallback;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  LPITEMIDLIST list = SHBrowseForFolderW(&info);
  if (!list) return std::string();
  wchar_t result[MAX_PATH] = L"";
  if (!SHGetPathFromIDListW(list, result)) result[0] = L'\0';
  CoTaskMemFree(list);
  return markedFromWide(result);
}

void shellExecute(const char* file, const char* parameters,
                  const char* folder) {
  // The program, its folder and the names in its parameters arrive on its
  // wide command line exactly.
  std::wstring wideFile = wideFromMarked(file ? file : ""),
               wideParameters = wideFromMarked(parameters ? parameters : ""),
               wideFolder = wideFromMarked(folder ? folder : "");
  ShellExecuteW(nullptr, nullptr, wideFile.c_str(), parameters ? wideParameters.c_str() : nullptr,
                folder ? wideFolder.c_str() : nullptr, SW_SHOWNORMAL);
}

void informationBeep() { MessageBeep(MB_ICONASTERISK); }

void writeConsole(bool error, const std::string& text) {
  HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  std::wstring wide = wideFromMarked(text);
  DWORD written = 0, consoleMode = 0;
  if (GetConsoleMode(out, &consoleMode)) {  // a console, not a file or a pipe
    WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr,
                                 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), &bytes[0], size,
                      nullptr, nullptr);
  WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void messageBox(PlatWindow owner, UiText text, UiText title) {
  messageBoxWithSections(owner, {{text, {}, 0}}, title);
}

void messageBoxWithSections(PlatWindow owner,
                            const std::vector<BoxSection>& sections,
                            UiText title) {
  std::wstring body;
  for (const BoxSection& section : sections) {
    if (!body.empty()) body += L"\r\n\r\n";
    body += uiTextWithNumber(section.text, section.number);
    for (const std::string& line : section.lines)
      body += L"\r\n" + wideFromMarked(line);
    if (section.moreCount > 0)
      body += L"\r\n" + uiTextWithNumber(kTextMoreNames, section.moreCount);
    if (section.advice != kUiTextCount) body += L"\r\n\r\n" + uiText(section.advice);
  }
  MessageBoxW(static_cast<HWND>(owner), body.c_str(), uiText(title).c_str(),
              MB_OK);
}

void setForegroundWindow(PlatWindow window) {
  SetForegroundWindow(static_cast<HWND>(window));
}


namespace {
const SHORT kKeyDownBit = static_cast<SHORT>(0x8000);  // high bit of a key state
}  // namespace

bool isKeyDown(int vk) { return (GetKeyState(vk) & kKeyDownBit) != 0; }
bool isKeyDownAsync(int vk) { return (GetAsyncKeyState(vk) & kKeyDownBit) != 0; }
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

namespace {

const UINT kClipboardFormats[] = {CF_HDROP, CF_UNICODETEXT, CF_TEXT};

}  // namespace

bool clipboardHasFormat(ClipboardFormat format) {
  return IsClipboardFormatAvailable(kClipboardFormats[format]) != 0;
}
bool openClipboard(PlatWindow owner) {
  return OpenClipboard(static_cast<HWND>(owner)) != 0;
}
void closeClipboard() { CloseClipboard(); }

bool clipboardBlock(ClipboardFormat format, std::string* bytes) {
  HANDLE handle = GetClipboardData(kClipboardFormats[format]);
  if (!handle) return false;
  SIZE_T size = GlobalSize(handle);
  const void* locked = GlobalLock(handle);
  if (!locked) return false;
  bytes->assign(static_cast<const char*>(locked), size);
  GlobalUnlock(handle);
  return true;
}

PlatMenu createPopupMenu() { return CreatePopupMenu(); }
PlatMenu createMenu() { return CreateMenu(); }
void destroyMenu(PlatMenu menu) { DestroyMenu(static_cast<HMENU>(menu)); }

void appendMenuItem(PlatMenu menu, unsigned flags, int id, const char* text) {
  std::wstring caption = wideFromMarked(text);
  AppendMenuW(static_cast<HMENU>(menu), flags, static_cast<UINT_PTR>(id),
              (flags & MF_SEPARATOR) ? nullptr : caption.c_str());
}

void appendMenuItemText(PlatMenu menu, unsigned flags, int id, UiText text, int number) {
  AppendMenuW(static_cast<HMENU>(menu), flags, static_cast<UINT_PTR>(id),
              uiTextWithNumber(text, number).c_str());
}

namespace {

// Only the check changes: the highlight of an opener whose submenu is open
// stays, so the menu loop keeps its place.
BOOL CALLBACK redrawIfShowing(HWND window, LPARAM menu) {
  char className[8] = "";
  GetClassNameA(window, className, sizeof className);
  if (strcmp(className, "#32768") == 0 &&
      SendMessageW(window, MN_GETHMENU, 0, 0) == static_cast<LRESULT>(menu))
    InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}

void setChecked(PlatMenu menu, int item, BOOL byPosition, bool checked) {
  CheckMenuItem(static_cast<HMENU>(menu), static_cast<UINT>(item),
                (byPosition ? MF_BYPOSITION : MF_BYCOMMAND) |
                    (checked ? MF_CHECKED : MF_UNCHECKED));
  // An open menu draws an item anew only when its highlight changes: the
  // window showing it is told, so the check shows on the item still
  // highlighted.
  EnumThreadWindows(GetCurrentThreadId(), redrawIfShowing,
                    reinterpret_cast<LPARAM>(menu));
}

}  // namespace

void setMenuItemChecked(PlatMenu menu, int id, bool checked) {
  setChecked(menu, id, FALSE, checked);
}

void setMenuItemCheckedAt(PlatMenu menu, int position, bool checked) {
  setChecked(menu, position, TRUE, checked);
}

namespace {

void attachSubmenu(PlatMenu menu, int item, BOOL byPosition, PlatMenu submenu) {
  MENUITEMINFOW info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = static_cast<HMENU>(submenu);
  SetMenuItemInfoW(static_cast<HMENU>(menu), static_cast<UINT>(item), byPosition, &info);
}

}  // namespace

void setMenuItemSubmenu(PlatMenu menu, int id, PlatMenu submenu) {
  attachSubmenu(menu, id, FALSE, submenu);
}

void setMenuItemSubmenuAt(PlatMenu menu, int position, PlatMenu submenu) {
  attachSubmenu(menu, position, TRUE, submenu);
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


int trackPopupMenu(PlatMenu menu, unsigned flags, int x, int y,
                   PlatWindow owner) {
  return TrackPopupMenu(static_cast<HMENU>(menu), flags, x, y, 0,
                        static_cast<HWND>(owner), nullptr);
}

}  // namespace plat
