// The one seam between Falvex's logic and the operating system.
//
// Everything in app/, config/, text/, menu/ and fileops/ that is not a
// *_win32.cc file reaches the system only through these declarations.
// platform/win32/ implements them with the real wide Win32 calls; the unit
// tests link an in-memory fake instead (tests/fake_platform.cc). No call
// throws; failures come back as false, 0 or an empty result.
#pragma once

#include <string>
#include <vector>

#include "res/ui_texts.h"

typedef void* PlatWindow;
typedef void* PlatMenu;
typedef void* PlatInstance;

// Values shared with the Win32 headers, so the win32 side passes them through.
enum : int {
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkSpace = 0x20,
};

enum : unsigned {
  kMenuString = 0x0000,     // MF_STRING
  kMenuGrayed = 0x0001,     // MF_GRAYED: shown, cannot be chosen
  kMenuChecked = 0x0008,    // MF_CHECKED
  kMenuSeparator = 0x0800,  // MF_SEPARATOR
  kMenuBarBreak = 0x0020,   // MF_MENUBARBREAK
};

// WM_MENUSELECT flags, as the host window passes them on.
enum : unsigned {
  kMenuSelectGrayed = 0x0001,   // MF_GRAYED
  kMenuSelectPopup = 0x0010,    // MF_POPUP: the item opens a submenu
  kMenuSelectByMouse = 0x8000,  // MF_MOUSESELECT
  kMenuSelectClosed = 0xFFFF,   // with a null menu: the menu closed
};

enum : unsigned {
  kTrackRightButton = 0x0002,  // TPM_RIGHTBUTTON
  kTrackCenterAlign = 0x0004,  // TPM_CENTERALIGN
  kTrackVCenterAlign = 0x0010, // TPM_VCENTERALIGN
  kTrackReturnCmd = 0x0100,    // TPM_RETURNCMD
};

enum : int {
  kFileOpMove = 1,  // FO_MOVE
  kFileOpCopy = 2,  // FO_COPY
};

enum : int {
  kFofNoConfirmation = 0x10,
  kFofAllowUndo = 0x40,
};

// A name the ANSI code page cannot hold exactly (a best-fit conversion
// would turn it into another name) travels inside with each such character
// written as this byte and four hex digits of its UTF-16 unit. The one rule
// of the seam: every name that comes in from the system arrives marked, and
// every call that takes a name hands it to the system wide, each mark
// decoded to its character, so such a name is sent, listed and started
// exactly. No file name holds the byte itself, and a mark is never cut: a
// name that no longer fits its field once marked is too long, not shorter.
const char kUnheldMark = '\x01';
// Windows counts a name's length in UTF-16 units; inside, a unit takes at
// most this many bytes: a mark 5, a double-byte character 2, UTF-8 (code
// page 65001) 3, or 4 for a pair. A field of n * kBytesPerUnit bytes holds
// every name of n - 1 units, whatever its script and the code page.
enum : size_t { kBytesPerUnit = 5 };

// A part of a message box: a text, then one line per name, then "N more".
struct BoxSection {
  UiText text;
  std::vector<std::string> lines;  // marked names shown as they really are
  int moreCount;                   // a kTextMoreNames line when > 0
  UiText advice = kUiTextCount;    // what the user can do, after the names
  int number = 0;                  // fills the text's "%d", if it has one
};

namespace plat {

// --- file system ---
bool pathFileExists(const char* path);  // files and folders alike
bool pathIsDirectory(const char* path);
// Like GetFullPathNameA / SearchPathA into a field of size bytes: the length
// written, 0 on failure, or size or more when the result holds more UTF-16
// units than the field (size / kBytesPerUnit - 1).
// The result comes from the wide calls: a character the code page cannot
// hold comes marked (kUnheldMark), never as a best-fit look-alike.
unsigned fullPathName(const char* name, char* out, unsigned size);
unsigned searchPath(const char* folders /* null: system order */,
                    const char* name, char* out, unsigned size);
enum OpenMode { kOpenExisting, kOpenAlways };
// Reads a whole file; kOpenAlways creates an empty one when it is missing.
bool readWholeFile(const char* path, OpenMode mode, std::string* text);
// FindFirstFileA/FindNextFileA over a pattern such as "C:\dir\*.*", in the
// order the file system gives, "." and ".." included. False: cannot list.
// Names the code page cannot hold come marked (kUnheldMark).
bool listFolder(const char* pattern, std::vector<std::string>* names);
// The shell's special folder, marked like every name from the system; false
// when there is none or it does not fit.
bool specialFolderPath(PlatWindow owner, int csidl, char* out /* 260 units */);
void localDate(int* year, int* month, int* day);
// The bytes a character starting with this byte takes in the ANSI code
// page: 2 for a double-byte lead byte, 2 to 4 for a UTF-8 lead byte (code
// page 65001), else 1. Whether the rest follows is the caller's to check.
int ansiCharBytes(unsigned char lead);
// True when the bytes are text the ANSI code page can read, every byte a
// part of a valid character (an empty text is).
bool ansiTextReadable(const char* bytes, size_t length);
// UTF-16 text in the ANSI code page without best fit: a character the code
// page cannot hold comes marked (kUnheldMark), as names from the system do.
std::string ansiFromUtf16(const std::u16string& text);
// ANSI text (marks standing for their characters) in UTF-16.
std::u16string utf16FromAnsi(const std::string& text);
// Holds a file opened exclusively (created when missing, deleted when let
// go), so that runs wanting it take turns; null when not had, with
// *heldElsewhere telling whether another holds it (else it cannot be made).
void* holdFileExclusively(const char* path, bool* heldElsewhere);
void releaseFile(void* hold);
// Writes the bytes to a new file beside path, then moves it over path in one
// step: a crash leaves the old file or the new one, never half of one.
bool replaceFile(const char* path, const std::string& bytes);
// The file could be written (or, when missing, created in its folder): not
// read-only, not a folder.
bool fileWritable(const char* path);

// A folder's subfolders, waited for at most waitMs: a slow folder (an
// offline share, a sleeping disk) is listed on in the background, and the
// next call for it takes the result once there. Names the code page cannot
// hold come marked.
struct Subfolder {
  std::string name;
  bool hidden;  // hidden or system, junctions such as "Application Data" too
};
enum ListOutcome { kListed, kListMissing, kListSlow };
ListOutcome listSubfolders(const char* folder, int waitMs, std::vector<Subfolder>* subfolders);
bool createFolder(const char* path);
// Removes the folder only when it is empty.
void removeEmptyFolder(const char* path);
// --- shell ---
struct FileOperation {
  PlatWindow window;
  int func;          // kFileOpMove or kFileOpCopy
  const char* from;  // NUL-separated items, ended by an empty item
  const char* to;    // one folder, double NUL-terminated
  int flags;
};
// SHFileOperationA: its return value; *aborted = fAnyOperationsAborted.
int shellFileOperation(const FileOperation& op, bool* aborted);
// Shell folder browser opened on startFolder; empty result when cancelled,
// a marked one (kUnheldMark) when the code page cannot hold the folder.
std::string browseForFolder(PlatWindow owner, UiText title,
                            const char* startFolder);
void shellExecute(const char* file, const char* parameters,
                  const char* folder);
void informationBeep();
void messageBox(PlatWindow owner, UiText text, UiText title);
void messageBoxWithSections(PlatWindow owner,
                            const std::vector<BoxSection>& sections,
                            UiText title);
void setForegroundWindow(PlatWindow window);
// A console program's output (or error) text, marks decoded: to a console
// as UTF-16, redirected to a file or a pipe as UTF-8, so a name reads as it
// is whatever the code page.
void writeConsole(bool error, const std::string& text);

// --- input, windows, timing ---
bool isKeyDown(int vk);       // GetKeyState high bit
bool isKeyDownAsync(int vk);  // GetAsyncKeyState high bit
void sleepMs(int ms);
bool windowRect(PlatWindow window, int* left, int* top, int* right,
                int* bottom);
void cursorPos(int* x, int* y);
void postNullMessage(PlatWindow window);

// --- clipboard ---
enum ClipboardFormat {
  kClipboardFileList,     // CF_HDROP: a DROPFILES block
  kClipboardUnicodeText,  // CF_UNICODETEXT
  kClipboardText,         // CF_TEXT
};
bool clipboardHasFormat(ClipboardFormat format);
bool openClipboard(PlatWindow owner);
void closeClipboard();
// The bytes of the open clipboard's block in that format, exactly as large
// as the block (GlobalSize): another program wrote them, so nothing in them
// is trusted. False when no block is offered.
bool clipboardBlock(ClipboardFormat format, std::string* bytes);

// --- pop-up menus ---
PlatMenu createPopupMenu();
PlatMenu createMenu();
void destroyMenu(PlatMenu menu);
void appendMenuItem(PlatMenu menu, unsigned flags, int id, const char* text);
// An item whose caption is one of the program's own texts, its "%d" (if
// any) replaced by number.
void appendMenuItemText(PlatMenu menu, unsigned flags, int id, UiText text, int number = 0);
// MIIM_STATE by command id: checked, or the plain enabled state.
void setMenuItemChecked(PlatMenu menu, int id, bool checked);
// The same by position: a submenu opener has no id of its own.
void setMenuItemCheckedAt(PlatMenu menu, int position, bool checked);
void setMenuItemSubmenu(PlatMenu menu, int id, PlatMenu submenu);
void setMenuItemSubmenuAt(PlatMenu menu, int position, PlatMenu submenu);
int menuItemCount(PlatMenu menu);
void deleteMenuItemAt(PlatMenu menu, int position);
PlatMenu subMenuAt(PlatMenu menu, int position);
int trackPopupMenu(PlatMenu menu, unsigned flags, int x, int y,
                   PlatWindow owner);
void installMenuHooks(PlatWindow owner);
void removeMenuHooks();

}  // namespace plat
