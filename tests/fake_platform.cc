#include "tests/fake_platform.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "config/config_model.h"
#include "config/config_reader.h"
#include "platform/dialogs.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/text_encoding.h"

std::string alteredNameUsed;

namespace {

FakeWorld* world = new FakeWorld;

const char* const kTextNames[] = {
    "ConfigError", "Error", "ReleaseKeys", "Notice", "Version", "VersionTitle",
    "BrowseCopy", "BrowseCopyInternal", "BrowseMove", "BrowseMoveInternal",
    "TooLongNames", "MoreNames", "FolderMissing", "InvalidNames", "TooLongAdvice",
    "InvalidAdvice", "RecentDestinations",
    "ThisFolder", "NewFolder...", "UnshownFolders", "MoreFolders", "NoResponse", "NotFound",
    "NewFolderTitle", "NewFolderPrompt", "NameEmpty", "NameBadCharacter", "NameBadEnd",
    "NameDevice", "NameTooLong", "NameIsFile", "FolderNotMade", "Finder", "FinderNothing", "Cancel",
    "BatchUnsafeNames", "BatchUnsafeAdvice", "GroupSentNothing", "GroupSentNothingAdvice",
    "CommandTooLong", "CommandTooLongAdvice"};
static_assert(sizeof kTextNames / sizeof *kTextNames == kUiTextCount, "names");

// A whole mark's UTF-16 unit; -1 where the text holds none at i.
long markAt(const std::string& text, size_t i) {
  if (text[i] != kUnheldMark || i + 4 >= text.size()) return -1;
  std::string digits = text.substr(i + 1, 4);
  if (digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) return -1;
  return std::stol(digits, nullptr, 16);
}

// The log shows names as the user reads them: each mark as its character.
std::string readable(const std::string& text) {
  std::string out;
  std::u16string marked;  // the units of the marks met in a row, a pair kept whole
  for (size_t i = 0; i < text.size(); ++i) {
    long unit = markAt(text, i);
    if (unit >= 0) {
      marked += static_cast<char16_t>(unit);
      i += 4;
      continue;
    }
    out += utf8FromUtf16(marked) + text[i];
    marked.clear();
  }
  return out + utf8FromUtf16(marked);
}

void note(const std::string& line) { world->log += readable(line) + "\n"; }

// As the file system compares names: ASCII, Latin-1 and Cyrillic capitals,
// marked or not, are their small letters.
std::string fold(std::string s) {
  bool marked = s.find(kUnheldMark) != std::string::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    long unit = marked ? markAt(s, i) : -1;
    if ((unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) || (unit >= 0x410 && unit <= 0x42F)) {
      char lower[5];
      snprintf(lower, sizeof lower, "%04lX", unit + 0x20);
      s.replace(i + 1, 4, lower);
    }
    if (s[i] == '/') s[i] = '\\';
    if (s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
  }
  return s;
}

// The full path: relative names join the current folder, "\x" the current
// drive's root.
std::string fullOf(const std::string& p) {
  if (p.size() >= 2 && (p[1] == ':' || (p[0] == '\\' && p[1] == '\\'))) return p;
  if (!p.empty() && (p[0] == '\\' || p[0] == '/')) return world->currentFolder.substr(0, 2) + p;
  return world->currentFolder + "\\" + p;
}

// Folded key: no trailing backslash except at a drive root, "C:" is the root.
std::string keyOf(const std::string& raw) {
  std::string p = fold(fullOf(raw));
  while (p.size() > 3 && p.back() == '\\') p.pop_back();
  if (p.size() == 2 && p[1] == ':') p += '\\';
  return p;
}

std::string parentKey(const std::string& key) {
  size_t slash = key.find_last_of('\\');
  if (slash == std::string::npos || key.size() <= 3) return "";
  return key.substr(0, slash) + (slash == 2 ? "\\" : "");
}

// A name handed to the system with a mark cut short would reach another
// name (the real calls decode it to a character no name holds).
void checkWholeMarks(const char* path) {
  if (!path || !strchr(path, kUnheldMark)) return;
  std::string name = path;
  for (size_t at = name.find(kUnheldMark); at != std::string::npos;
       at = name.find(kUnheldMark, at + 1))
    if (markAt(name, at) < 0) alteredNameUsed = name;
}

const FakeWorld::Entry* find(const char* path) {
  checkWholeMarks(path);
  if (!path || !path[0]) return nullptr;
  auto it = world->entries.find(keyOf(path));
  return it == world->entries.end() ? nullptr : &it->second;
}

void add(const std::string& path, bool folder, const std::string& content) {
  std::string key = keyOf(path), parent = parentKey(key);
  if (!parent.empty() && !world->entries.count(parent)) {
    std::string full = fullOf(path);
    add(full.substr(0, full.find_last_of("\\/")), true, "");
  }
  world->entries[key] = {fullOf(path), folder, content};
}

std::u16string unitsOf(const std::string& text);

// Into a field of size bytes, which holds size / kBytesPerUnit - 1 units.
unsigned writeResult(const std::string& s, char* out, unsigned size) {
  // No character takes less than a byte a unit: only a longer text is counted.
  if (s.size() + 1 > size / kBytesPerUnit && unitsOf(s).size() + 1 > size / kBytesPerUnit)
    return size;
  if (s.size() + 1 > size) return static_cast<unsigned>(s.size() + 1);
  memcpy(out, s.c_str(), s.size() + 1);
  return static_cast<unsigned>(s.size());
}

void destroyTree(FakeMenu* menu) {
  if (!menu || menu->destroyed) return;
  menu->destroyed = true;
  for (auto& item : menu->items) destroyTree(item.submenu);
}

FakeMenu* asMenu(PlatMenu m) { return static_cast<FakeMenu*>(m); }

// Code page 932 for the few characters the tests write beyond ASCII.
const std::map<char16_t, std::string> kHeld = {
    {u'\u5199', "\x8E\xCA"}, {u'\u771F', "\x90\x5E"},  // 写真
    {u'\u30BD', "\x83\x5C"}, {u'\uFF71', "\xB1"},        // ソ, half-width ｱ
    {u'\uFF23', "\x82\x62"}, {u'\uFF4C', "\x82\x8C"}};  // full-width Ｃ, ｌ

std::string hex(unsigned value, int digits) {
  char text[9];
  snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

// The flags as words in the order of the table, bits it does not name as hex.
std::string flagWords(unsigned flags, const std::vector<std::pair<unsigned, const char*>>& words) {
  std::string text;
  for (const auto& [bit, word] : words) {
    if (!(flags & bit)) continue;
    text += (text.empty() ? "" : ",") + std::string(word);
    flags &= ~bit;
  }
  if (flags) text += (text.empty() ? "0x" : ",0x") + hex(flags, 4);
  return text.empty() ? "none" : text;
}

}  // namespace

FakeMenuItem* FakeMenu::byId(int id) {
  for (auto& item : items)
    if (item.id == id) return &item;
  return nullptr;
}

FakeWorld& fake() { return *world; }

std::string describeMenu(FakeMenu* menu) {
  std::string s;
  for (auto& item : menu->items) {
    if (!s.empty()) s += "|";
    if (item.flags & kMenuSeparator) {
      s += "-";
      continue;
    }
    if (item.flags & kMenuBarBreak) s += "/";
    if (item.flags & kMenuGrayed) s += "~";
    if (item.checked) s += "*";
    s += item.text;
    if (item.submenu) s += ">";
  }
  return "[" + readable(s) + "]";
}

FakeMenuItem* findItem(const std::string& caption) {
  FakeMenuItem* found = nullptr;
  for (auto& menu : world->menus) {
    if (menu->destroyed) continue;
    for (auto& item : menu->items)
      if (item.text == caption) found = &item;
  }
  return found;
}

FakeMenu* menuHolding(const FakeMenuItem* wanted) {
  for (auto& menu : world->menus)
    for (auto& item : menu->items)
      if (&item == wanted) return menu.get();
  return nullptr;
}

std::string takeLog() {
  std::string text;
  text.swap(world->log);
  world->fileOps = 0;
  return text;
}

void resetFake() {
  *world = FakeWorld();
  configLineObserver = nullptr;
  alteredNameUsed.clear();
  resetRunState();
  resetConfigModel();
  resetLeftOutNames();
}

std::string unheld(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '#' ? kUnheldMark + std::string("00E9") : std::string(1, c);
  return out;
}

namespace {

// UTF-16 of ANSI text: ASCII, the few CP932 characters of kHeld, and marks
// standing for their units.
bool leadOf932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

int utf8Bytes(unsigned char c) {
  return c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 1;
}

// One character of the code page at p: its length, or 0 when it is none.
size_t readableCharAt(const unsigned char* p, size_t left) {
  if (p[0] < 0x80) return 1;
  if (world->codePage == 932) {
    if (p[0] >= 0xA1 && p[0] <= 0xDF) return 1;
    bool trail = left >= 2 && p[1] >= 0x40 && p[1] <= 0xFC && p[1] != 0x7F;
    return leadOf932(p[0]) && trail ? 2 : 0;
  }
  size_t n = static_cast<size_t>(utf8Bytes(p[0]));
  if (n == 1 || n > left) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((p[k] & 0xC0) != 0x80) return 0;
  return n;
}

std::u16string unitsOf(const std::string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t unit = static_cast<unsigned char>(text[i]);
    if (long marked = markAt(text, i); marked >= 0) {  // a mark cut short is U+0001
      out += static_cast<char16_t>(marked);
      i += 4;
      continue;
    }
    if (world->codePage == 65001 && unit >= 0x80) {
      // As the real conversion asked to fail on invalid input: a byte that
      // is no part of a sequence is U+0001, never a guess.
      auto p = reinterpret_cast<const unsigned char*>(text.data()) + i;
      size_t n = readableCharAt(p, text.size() - i);
      out += n ? utf16FromBytes(text.substr(i, n), kEncodingUtf8) : std::u16string(1, u'\x0001');
      i += n ? n - 1 : 0;
      continue;
    }
    for (const auto& [held, bytes] : kHeld) {
      if (world->codePage != 932 || text.compare(i, bytes.size(), bytes) != 0) continue;
      unit = held;
      i += bytes.size() - 1;
      break;
    }
    out += unit;
  }
  return out;
}

// Little-endian UTF-16 bytes of the text.
std::string wideBytes(const std::string& text) {
  std::string out;
  for (char16_t unit : unitsOf(text)) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

}  // namespace

std::string fileListBlock(const std::vector<std::string>& names) {
  // DROPFILES: the names' offset, a point, fNC, then fWide set.
  std::string block(20, '\0');
  block[0] = 20;
  block[16] = 1;
  for (const std::string& name : names) block += wideBytes(name) + std::string(2, '\0');
  return block + std::string(2, '\0');
}

std::string unicodeTextBlock(const std::string& text) {
  return wideBytes(text) + std::string(2, '\0');
}

void holdFile(const std::string& path) { world->heldFiles.insert(keyOf(path)); }
void makeReadOnly(const std::string& path) { world->readOnly.insert(keyOf(path)); }
void makeHidden(const std::string& path) { world->hiddenFolders.insert(keyOf(path)); }
void makeSlow(const std::string& path) { world->slowFolders.insert(keyOf(path)); }

void addFolder(const std::string& path) { add(path, true, ""); }
void addFile(const std::string& path, const std::string& content) { add(path, false, content); }
void removeEntry(const std::string& path) { world->entries.erase(keyOf(path)); }

namespace plat {

bool pathFileExists(const char* path) { return find(path) != nullptr; }
bool pathIsDirectory(const char* path) {
  const FakeWorld::Entry* e = find(path);
  return e && e->folder;
}

unsigned fullPathName(const char* name, char* out, unsigned size) {
  return name[0] ? writeResult(fullOf(name), out, size) : 0;
}

unsigned searchPath(const char* folders, const char* name, char* out, unsigned size) {
  if (!name[0]) return 0;
  checkWholeMarks(name);
  std::istringstream list(folders ? folders : world->systemSearchPath);
  for (std::string folder; std::getline(list, folder, ';');) {
    // The system's own folders may be any names: looked up, not checked.
    std::string candidate = folder + "\\" + name;
    auto it = folder.empty() ? world->entries.end() : world->entries.find(keyOf(candidate));
    if (it != world->entries.end() && !it->second.folder) return writeResult(candidate, out, size);
  }
  return 0;
}

bool readWholeFile(const char* path, OpenMode mode, std::string* text) {
  if (const FakeWorld::Entry* e = find(path)) {
    *text = e->content;
    return !e->folder;
  }
  if (mode != kOpenAlways || !world->entries.count(parentKey(keyOf(path)))) return false;
  addFile(path, "");
  text->clear();
  return true;
}

bool listFolder(const char* pattern, std::vector<std::string>* names) {
  checkWholeMarks(pattern);
  std::string p = pattern;
  std::string folderKey = keyOf(p.substr(0, p.find_last_of("\\/") + 1));
  auto it = world->entries.find(folderKey);
  if (it == world->entries.end() || !it->second.folder) return false;
  *names = {".", ".."};
  for (auto& [key, entry] : world->entries)
    if (parentKey(key) == folderKey)
      names->push_back(entry.path.substr(entry.path.find_last_of("\\/") + 1));
  return true;
}

bool specialFolderPath(PlatWindow, int csidl, char* out) {
  auto it = world->specialFolders.find(csidl);
  if (it == world->specialFolders.end()) return false;
  return writeResult(it->second, out, kPathSize) < kPathSize;
}

void localDate(int* year, int* month, int* day) {
  *year = world->year;
  *month = world->month;
  *day = world->day;
}

int ansiCharBytes(unsigned char c) {
  if (world->codePage == 65001) return utf8Bytes(c);
  return world->codePage == 932 && leadOf932(c) ? 2 : 1;
}

bool ansiTextReadable(const char* bytes, size_t length) {
  auto p = reinterpret_cast<const unsigned char*>(bytes);
  for (size_t pos = 0; pos < length;) {
    size_t n = p[pos] < 0x80 ? 1 : readableCharAt(p + pos, length - pos);
    if (n == 0) return false;
    pos += n;
  }
  return true;
}

// Code page 932 for ASCII and the few characters the tests write; 65001
// as UTF-8 but for surrogates, which come marked.
std::string ansiFromUtf16(const std::u16string& text) {
  std::string out;
  for (char16_t unit : text) {
    auto it = kHeld.find(unit);
    if (unit > 1 && unit < 0x80)
      out += static_cast<char>(unit);
    else if (world->codePage == 65001 && unit > 1 && (unit < 0xD800 || unit > 0xDFFF))
      out += utf8FromUtf16(std::u16string(1, unit));
    else if (world->codePage == 932 && it != kHeld.end())
      out += it->second;
    else
      out += kUnheldMark + hex(unit, 4);
  }
  return out;
}

std::u16string utf16FromAnsi(const std::string& text) { return unitsOf(text); }

void* holdFileExclusively(const char* path, bool* heldElsewhere) {
  checkWholeMarks(path);
  std::string key = keyOf(path);
  *heldElsewhere = world->heldFiles.count(key) != 0;
  if (*heldElsewhere || world->writesFail || !world->entries.count(parentKey(key))) return nullptr;
  world->heldFiles.insert(key);
  return new std::string(key);
}

void releaseFile(void* hold) {
  std::string* key = static_cast<std::string*>(hold);
  world->heldFiles.erase(*key);
  delete key;
}

// A read-only file is replaced, as Wine does: only the caller's test keeps it.
bool replaceFile(const char* path, const std::string& bytes) {
  checkWholeMarks(path);
  const FakeWorld::Entry* e = find(path);
  bool refused = world->writesFail || (e && e->folder);
  note(std::string(refused ? "write refused " : "write ") + path);
  if (refused) return false;
  addFile(path, bytes);
  return true;
}

bool fileWritable(const char* path) {
  const FakeWorld::Entry* e = find(path);
  return !world->writesFail && !(e && (e->folder || world->readOnly.count(keyOf(path))));
}

ListOutcome listSubfolders(const char* folder, int waitMs, std::vector<Subfolder>* subfolders) {
  checkWholeMarks(folder);
  std::string key = keyOf(folder);
  auto it = world->entries.find(key);
  if (it == world->entries.end() || !it->second.folder) return kListMissing;
  if (world->slowFolders.erase(key)) {  // listed by the time it is asked again
    note("waited " + std::to_string(waitMs) + " ms for " + folder);
    return kListSlow;
  }
  subfolders->clear();
  for (auto& [entryKey, entry] : world->entries) {
    if (parentKey(entryKey) != key || !entry.folder) continue;
    std::string name = entry.path.substr(entry.path.find_last_of("\\/") + 1);
    subfolders->push_back({name, world->hiddenFolders.count(entryKey) > 0});
  }
  return kListed;
}

bool createFolder(const char* path) {
  checkWholeMarks(path);
  note(std::string("mkdir ") + path);
  if (find(path) || !world->entries.count(parentKey(keyOf(path)))) return false;
  addFolder(path);
  return true;
}

void removeEmptyFolder(const char* path) {
  std::string key = keyOf(path);
  for (auto& [entryKey, entry] : world->entries)
    if (parentKey(entryKey) == key) return;
  if (world->entries.erase(key)) note(std::string("rmdir ") + path);
}

std::string askFolderName(PlatWindow, const char* parent, const std::string& initial,
                          FolderNameCheck check) {
  note(std::string("ask NewFolderTitle ") + parent + " [" + initial + "]");
  for (const std::string& typed : world->typedNames) {
    UiText refusal = check(typed);
    if (refusal == kUiTextCount) return typed;
    note(std::string("box Notice: ") + kTextNames[refusal]);
  }
  return std::string();  // Cancel
}

namespace {
// The finder shown: its text, the query it asks, the rows it lists now.
std::string finderText;
FinderQuery finderQuery = nullptr;
std::vector<FinderRow> finderRows;

void showFinderRows() {
  finderRows = finderQuery(finderText);
  std::string shown;
  for (const FinderRow& row : finderRows)
    shown += (shown.empty() ? "" : "|") + std::string(row.grayed ? "~" : "") + row.text;
  if (finderRows.empty()) shown = "~" + std::string(kTextNames[kTextFinderNothing]);
  note("  " + finderText + " [" + shown + "]");
}
}  // namespace

void showFinder(PlatWindow, int x, int y, const std::string& typed, FinderQuery query) {
  note("finder at " + std::to_string(x) + "," + std::to_string(y));
  finderText = typed;
  finderQuery = query;
  showFinderRows();
}

FinderAnswer finishFinder() {
  if (!finderQuery) note("finder run, never shown");
  FinderAnswer answer{-1, false, false};
  int selected = 0, last = static_cast<int>(finderRows.size()) - 1;
  for (const std::string& key : world->finderKeys) {
    bool enter = key == "Enter" || key == "Shift+Enter" || key == "Ctrl+Enter";
    if (key == "Escape") break;
    if (key == "Down" || key == "Up") {
      selected = std::max(0, std::min(selected + (key == "Down" ? 1 : -1), last));
    } else if (enter && last >= 0 && !finderRows[selected].grayed) {
      note("  " + key + " on " + finderRows[selected].text);
      answer = {selected, key == "Shift+Enter", key == "Ctrl+Enter"};
      break;
    } else if (!enter) {
      finderText += key;
      showFinderRows();
      selected = 0;
      last = static_cast<int>(finderRows.size()) - 1;
    }
  }
  if (answer.row < 0) note("  closed");
  finderQuery = nullptr;
  return answer;
}

int shellFileOperation(const FileOperation& op, bool* aborted) {
  std::string line = op.func == kFileOpMove ? "move " : "copy ";
  line += flagWords(op.flags, {{kFofAllowUndo, "undo"}, {kFofNoConfirmation, "no-prompts"}}) + " ";
  for (const char* p = op.from; *p; p += strlen(p) + 1) {
    checkWholeMarks(p);
    line += std::string(p != op.from ? ";" : "") + p;
  }
  checkWholeMarks(op.to);
  line += std::string(" > ") + op.to + (op.to[strlen(op.to) + 1] ? "<not double-NUL>" : "");
  note(line);
  int call = ++world->fileOps;
  *aborted = call == world->abortAtOp;
  if (*aborted || call == world->failAtOp) return *aborted ? 0 : 0x7C;
  // Done: the items arrive in the folder (a move takes them away).
  for (const char* p = op.from; *p; p += strlen(p) + 1) {
    const FakeWorld::Entry* item = find(p);
    if (!item) continue;
    bool folder = item->folder;
    std::string arrived = std::string(op.to) + "\\" + (strrchr(p, '\\') ? strrchr(p, '\\') + 1 : p);
    if (op.func == kFileOpMove) removeEntry(p);
    add(arrived, folder, "");
  }
  return 0;
}

std::string browseForFolder(PlatWindow, UiText title, const char* start) {
  note(std::string("browse ") + kTextNames[title] + " " + start);
  return world->browseAnswer;
}

void shellExecute(const char* file, const char* parameters, const char* folder) {
  checkWholeMarks(file);
  checkWholeMarks(parameters);
  note(std::string("run ") + file + "|" + (parameters ? parameters : "(none)") + "|" +
       (folder ? folder : "(none)"));
}

void informationBeep() { note("beep"); }

void messageBox(PlatWindow owner, UiText text, UiText title) {
  messageBoxWithSections(owner, {{text, {}, 0}}, title);
}

void messageBoxWithSections(PlatWindow, const std::vector<BoxSection>& sections, UiText title) {
  std::string line = std::string("box ") + kTextNames[title] + ":";
  for (const BoxSection& s : sections) {
    line += std::string(" ") + kTextNames[s.text];
    if (s.number) line += "(" + std::to_string(s.number) + ")";
    for (const std::string& name : s.lines) line += " " + name;
    if (s.moreCount) line += " +" + std::to_string(s.moreCount);
    if (s.advice != kUiTextCount) line += std::string(" ") + kTextNames[s.advice];
  }
  note(line);
}

void setForegroundWindow(PlatWindow) { note("front"); }

void writeConsole(bool error, const std::string& text) {
  fputs(readable(text).c_str(), error ? stderr : stdout);
}

bool isKeyDown(int vk) { return world->keysDown.count(vk) > 0; }
bool isKeyDownAsync(int vk) {
  int& polls = world->asyncPollsDown[vk];
  return polls > 0 && polls-- > 0;
}
void sleepMs(int ms) { note("sleep " + std::to_string(ms)); }

bool windowRect(PlatWindow w, int* l, int* t, int* r, int* b) {
  auto it = world->windowRects.find(w);
  if (it == world->windowRects.end()) return false;
  *l = it->second[0];
  *t = it->second[1];
  *r = it->second[2];
  *b = it->second[3];
  return true;
}
void cursorPos(int* x, int* y) {
  *x = world->cursorX;
  *y = world->cursorY;
}
void postNullMessage(PlatWindow) { note("null"); }

bool clipboardHasFormat(ClipboardFormat format) { return world->clipboardBlocks.count(format) > 0; }
bool openClipboard(PlatWindow) {
  note("clip");
  return true;
}
void closeClipboard() { note("unclip"); }
bool clipboardBlock(ClipboardFormat format, std::string* bytes) {
  auto it = world->clipboardBlocks.find(format);
  if (it == world->clipboardBlocks.end()) return false;
  *bytes = it->second;
  return true;
}

PlatMenu createPopupMenu() {
  world->menus.emplace_back(new FakeMenu);
  return world->menus.back().get();
}
PlatMenu createMenu() { return createPopupMenu(); }
void destroyMenu(PlatMenu menu) { destroyTree(asMenu(menu)); }
void appendMenuItem(PlatMenu menu, unsigned flags, int id, const char* text) {
  asMenu(menu)->items.push_back({flags, id, text, (flags & kMenuChecked) != 0, nullptr});
}
void appendMenuItemText(PlatMenu menu, unsigned flags, int id, UiText text, int number) {
  std::string caption = kTextNames[text];
  if (number) caption += " " + std::to_string(number);
  asMenu(menu)->items.push_back({flags, id, caption, (flags & kMenuChecked) != 0, nullptr});
}

void setMenuItemChecked(PlatMenu menu, int id, bool checked) {
  if (FakeMenuItem* item = asMenu(menu)->byId(id)) item->checked = checked;
}
void setMenuItemCheckedAt(PlatMenu menu, int position, bool checked) {
  asMenu(menu)->items[position].checked = checked;
}
void setMenuItemSubmenu(PlatMenu menu, int id, PlatMenu submenu) {
  if (FakeMenuItem* item = asMenu(menu)->byId(id)) item->submenu = asMenu(submenu);
}
void setMenuItemSubmenuAt(PlatMenu menu, int position, PlatMenu submenu) {
  asMenu(menu)->items[position].submenu = asMenu(submenu);
}

int menuItemCount(PlatMenu menu) { return static_cast<int>(asMenu(menu)->items.size()); }
void deleteMenuItemAt(PlatMenu menu, int position) {
  auto& items = asMenu(menu)->items;
  destroyTree(items[position].submenu);  // as DeleteMenu does
  items.erase(items.begin() + position);
}
PlatMenu subMenuAt(PlatMenu menu, int position) { return asMenu(menu)->items[position].submenu; }
int trackPopupMenu(PlatMenu menu, unsigned flags, int x, int y, PlatWindow) {
  std::string words = flagWords(flags, {{kTrackRightButton, "right-button"},
                                        {kTrackCenterAlign, "centred"},
                                        {kTrackVCenterAlign, "v-centred"},
                                        {kTrackReturnCmd, "returns-choice"}});
  note("track at " + std::to_string(x) + "," + std::to_string(y) + " " + words + "\n  " +
       describeMenu(asMenu(menu)));
  return world->onTrack ? world->onTrack(asMenu(menu)) : 0;
}
void installMenuHooks(PlatWindow) { note("hooks"); }
void removeMenuHooks() { note("unhooks"); }

}  // namespace plat
