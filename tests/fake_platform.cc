#include "tests/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "state/run_state.h"
#include "state/left_out_names.h"
#include "config/config_model.h"

namespace {

FakeWorld* world = new FakeWorld;

std::string fold(std::string s) {
  for (char& c : s) {
    if (c == '/') c = '\\';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

bool isAbsolute(const std::string& p) {
  return (p.size() >= 2 && p[1] == ':') || (p.size() >= 2 && p[0] == '\\' && p[1] == '\\');
}

// Full, folded key of a path: relative paths join the current folder, a
// trailing backslash is dropped except at a drive root, "C:" is the root.
std::string keyOf(const std::string& raw) {
  std::string p = raw;
  if (!p.empty() && (p[0] == '\\' || p[0] == '/') && !isAbsolute(p))
    p = world->currentFolder.substr(0, 2) + p;  // the current drive's root
  else if (!isAbsolute(p))
    p = world->currentFolder + "\\" + p;
  p = fold(p);
  while (p.size() > 3 && p.back() == '\\') p.pop_back();
  if (p.size() == 2 && p[1] == ':') p += '\\';
  return p;
}

std::string parentKey(const std::string& key) {
  size_t slash = key.find_last_of('\\');
  if (slash == std::string::npos || key.size() <= 3) return "";
  std::string parent = key.substr(0, slash);
  if (parent.size() == 2) parent += '\\';
  return parent;
}

void checkUnmarked(const char* path) {
  if (path && strchr(path, kUnheldMark)) world->markedNamesUsed.push_back(path);
}

const FakeEntry* find(const char* path) {
  checkUnmarked(path);
  if (!path || !path[0]) return nullptr;
  auto it = world->entries.find(keyOf(path));
  return it == world->entries.end() ? nullptr : &it->second;
}

void add(const std::string& path, bool folder, const std::string& content) {
  std::string key = keyOf(path);
  std::string parent = parentKey(key);
  if (!parent.empty() && !world->entries.count(parent)) {
    std::string parentPath = path.substr(0, path.find_last_of("\\/"));
    if (parentPath.size() == 2) parentPath += '\\';
    add(parentPath, true, "");
  }
  auto& e = world->entries[key];
  e.path = isAbsolute(path) ? path : world->currentFolder + "\\" + path;
  e.folder = folder;
  e.content = content;
  e.order = world->nextOrder++;
}

unsigned writeResult(const std::string& s, char* out, unsigned size) {
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

PlatMenu newMenu() {
  world->menus.emplace_back(new FakeMenu);
  return world->menus.back().get();
}

}  // namespace

FakeMenuItem* FakeMenu::byId(int id) {
  for (auto& item : items)
    if (item.id == id) return &item;
  return nullptr;
}

int FakeWorld::liveMenus() const {
  int n = 0;
  for (auto& m : menus) n += m->destroyed ? 0 : 1;
  return n;
}

FakeWorld& fake() { return *world; }

void resetFake() {
  delete world;
  world = new FakeWorld;
  resetRunState();
  resetConfigModel();
  resetLeftOutNames();
}

namespace {
std::string markHex(char16_t unit) {
  char hex[5];
  snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(unit));
  return hex;
}
}  // namespace

std::string unheld(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '#') out += std::string(1, kUnheldMark) + "00E9";
    else out += c;
  }
  return out;
}

void addFolder(const std::string& path) { add(path, true, ""); }
void addFile(const std::string& path, const std::string& content) {
  add(path, false, content);
}
void removeEntry(const std::string& path) { world->entries.erase(keyOf(path)); }
std::string fileContent(const std::string& path) {
  const FakeEntry* e = find(path.c_str());
  return e ? e->content : "";
}

namespace plat {

bool pathFileExists(const char* path) { return find(path) != nullptr; }
bool pathIsDirectory(const char* path) {
  const FakeEntry* e = find(path);
  return e && e->folder;
}

unsigned fullPathName(const char* name, char* out, unsigned size) {
  if (!name[0]) return 0;
  std::string full = isAbsolute(name)    ? name
                     : name[0] == '\\' ? world->currentFolder.substr(0, 2) + name
                                        : world->currentFolder + "\\" + name;
  return writeResult(full, out, size);
}

unsigned searchPath(const char* folders, const char* name, char* out,
                    unsigned size) {
  if (!name[0]) return 0;
  std::vector<std::string> list;
  if (folders) {
    std::string all = folders;
    size_t start = 0;
    while (start <= all.size()) {
      size_t semi = all.find(';', start);
      if (semi == std::string::npos) semi = all.size();
      if (semi > start) list.push_back(all.substr(start, semi - start));
      start = semi + 1;
    }
  } else {
    list = world->systemSearch;
  }
  for (const std::string& folder : list) {
    std::string candidate = folder + "\\" + name;
    const FakeEntry* e = find(candidate.c_str());
    if (e && !e->folder) return writeResult(candidate, out, size);
  }
  return 0;
}

bool readWholeFile(const char* path, OpenMode mode, std::string* text) {
  if (world->unreadable.count(keyOf(path))) return false;
  const FakeEntry* e = find(path);
  if (e) {
    if (e->folder) return false;
    *text = e->content;
    return true;
  }
  std::string parent = parentKey(keyOf(path));
  if (mode != kOpenAlways || !world->entries.count(parent)) return false;
  addFile(path, "");
  text->clear();
  return true;
}

bool listFolder(const char* pattern, std::vector<std::string>* names) {
  checkUnmarked(pattern);
  std::string p = pattern;
  size_t slash = p.find_last_of("\\/");
  if (slash == std::string::npos) return false;
  std::string folderKey = keyOf(p.substr(0, slash + 1));
  auto it = world->entries.find(folderKey);
  if (it == world->entries.end() || !it->second.folder) return false;
  std::vector<const FakeEntry*> children;
  for (auto& kv : world->entries)
    if (parentKey(kv.first) == folderKey) children.push_back(&kv.second);
  std::sort(children.begin(), children.end(),
            [](const FakeEntry* a, const FakeEntry* b) { return a->order < b->order; });
  names->push_back(".");
  names->push_back("..");
  for (const FakeEntry* c : children)
    names->push_back(c->path.substr(c->path.find_last_of("\\/") + 1));
  return true;
}

bool specialFolderPath(PlatWindow, int csidl, char* out) {
  auto it = world->specialFolders.find(csidl);
  if (it == world->specialFolders.end()) return false;
  strncpy(out, it->second.c_str(), 259);
  out[259] = '\0';
  return true;
}

void localDate(int* year, int* month, int* day) {
  *year = world->year;
  *month = world->month;
  *day = world->day;
}

bool isLeadByte(unsigned char c) {  // code page 932
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Code page 932 for ASCII and the few characters the tests write.
std::string ansiFromUtf16(const std::u16string& text) {
  static const std::map<char16_t, std::string> kHeld = {
      {u'\u5199', "\x8E\xCA"}, {u'\u771F', "\x90\x5E"},  // 写真
      {u'\u30BD', "\x83\x5C"}, {u'\uFF71', "\xB1"}};       // ソ, half-width ｱ
  std::string out;
  for (char16_t unit : text) {
    auto it = kHeld.find(unit);
    if (unit > 0 && unit < 0x80) out += static_cast<char>(unit);
    else if (it != kHeld.end()) out += it->second;
    else out += kUnheldMark + std::string(markHex(unit));
  }
  return out;
}

int shellFileOperation(const FileOperation& op, bool* aborted) {
  FakeFileOp rec;
  rec.func = op.func;
  for (const char* p = op.from; *p; p += strlen(p) + 1) checkUnmarked(p);
  checkUnmarked(op.to);
  for (const char* p = op.from; *p; p += strlen(p) + 1) rec.from.push_back(p);
  rec.to = op.to;
  if (op.to[strlen(op.to) + 1] != '\0') rec.to += "<not double-NUL>";
  rec.flags = op.flags;
  world->fileOps.push_back(rec);
  int call = static_cast<int>(world->fileOps.size());
  *aborted = call == world->abortAtCall;
  return call == world->failAtCall ? 0x7C : 0;
}

std::string browseForFolder(PlatWindow, UiText title, const char* start) {
  world->browseTitles.push_back(title);
  world->browseStarts.push_back(start);
  return world->browseAnswer;
}

void shellExecute(const char* file, const char* parameters, const char* folder) {
  checkUnmarked(file);
  checkUnmarked(parameters);
  world->launches.push_back({file, parameters ? parameters : "",
                             folder ? folder : "", parameters != nullptr,
                             folder != nullptr});
}

void informationBeep() { world->beeps++; }
void messageBox(PlatWindow owner, UiText text, UiText title) {
  messageBoxWithSections(owner, {{text, {}, 0}}, title);
}
void messageBoxWithSections(PlatWindow, const std::vector<BoxSection>& sections,
                            UiText title) {
  world->boxes.push_back({sections[0].text, title});
  world->boxLines.push_back(sections[0].lines);
  world->boxMore.push_back(sections[0].moreCount);
  world->boxSections.push_back(sections);
}
void setForegroundWindow(PlatWindow w) { world->foregroundCalls.push_back(w); }

bool isKeyDown(int vk) { return world->keysDown.count(vk) > 0; }
bool isKeyDownAsync(int vk) {
  auto it = world->asyncPollsDown.find(vk);
  if (it == world->asyncPollsDown.end() || it->second == 0) return false;
  it->second--;
  return true;
}
void sleepMs(int ms) { world->sleptMs += ms; }

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
void postNullMessage(PlatWindow) { world->nullMessages++; }

bool clipboardHasFileList() { return world->hasFileList; }
bool clipboardHasText() { return world->hasText; }
bool openClipboard(PlatWindow) {
  if (world->clipboardOpenFails) return false;
  world->clipboardOpens++;
  return true;
}
void closeClipboard() { world->clipboardCloses++; }
bool clipboardFileList(std::vector<std::string>* names) {
  *names = world->fileList;
  return true;
}
bool clipboardText(std::string* text) {
  if (!world->textHandle) return false;
  *text = world->clipboard;
  return true;
}

PlatMenu createPopupMenu() { return newMenu(); }
PlatMenu createMenu() { return newMenu(); }
void destroyMenu(PlatMenu menu) { destroyTree(asMenu(menu)); }
void appendMenuItem(PlatMenu menu, unsigned flags, int id, const char* text) {
  asMenu(menu)->items.push_back({flags, id, text, false, nullptr});
}
void setMenuItemChecked(PlatMenu menu, int id, bool checked) {
  if (FakeMenuItem* item = asMenu(menu)->byId(id)) item->checked = checked;
}
void setMenuItemSubmenu(PlatMenu menu, int id, PlatMenu submenu) {
  if (FakeMenuItem* item = asMenu(menu)->byId(id)) item->submenu = asMenu(submenu);
}
int menuItemCount(PlatMenu menu) {
  return static_cast<int>(asMenu(menu)->items.size());
}
void deleteMenuItemAt(PlatMenu menu, int position) {
  auto& items = asMenu(menu)->items;
  destroyTree(items[position].submenu);  // as DeleteMenu does
  items.erase(items.begin() + position);
}
PlatMenu subMenuAt(PlatMenu menu, int position) {
  return asMenu(menu)->items[position].submenu;
}
int trackPopupMenu(PlatMenu menu, unsigned flags, int x, int y, PlatWindow) {
  world->tracks.push_back({flags, x, y});
  return world->onTrack ? world->onTrack(asMenu(menu)) : 0;
}
void installMenuHooks(PlatWindow) { world->hooksInstalled++; }
void removeMenuHooks() { world->hooksRemoved++; }

}  // namespace plat
