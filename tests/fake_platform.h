// An in-memory, Windows-like platform for the unit tests: drive letters,
// either slash, case-insensitive names, special folders, a settable date.
// Every call that reaches the user or the shell is written to one log the
// tests read; it can be told to fail a file operation.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

struct FakeMenu;
struct FakeMenuItem {
  unsigned flags;
  int id;
  std::string text;
  bool checked;
  FakeMenu* submenu;
};
struct FakeMenu {
  std::vector<FakeMenuItem> items;
  bool destroyed = false;
  FakeMenuItem* byId(int id);
};

struct FakeWorld {
  struct Entry {
    std::string path;  // as first written
    bool folder;
    std::string content;
  };
  std::map<std::string, Entry> entries;  // by folded full path, the listing order
  std::string currentFolder = "C:\\Work";
  std::map<int, std::string> specialFolders;
  std::string systemSearchPath = "C:\\Windows\\System32;C:\\Windows";
  int year = 2008, month = 3, day = 5;
  // The ANSI code page: 932 (the few characters of the tests) or 65001 (UTF-8).
  int codePage = 932;

  // One line per call: "copy|move FLAGS FROM;FROM > TO" (flags as words:
  // undo,no-prompts), "run FILE|PARAMS|FOLDER", "box TITLE: TEXT LINE.. +N",
  // "browse TITLE START", "front", "track at X,Y FLAGS" and the menu
  // indented on a line of its own, "hooks",
  // "unhooks", "null", "clip", "unclip", "beep", "sleep MS".
  std::string log;
  // File operations counted since the log was last taken, 1-based.
  int fileOps = 0;
  int failAtOp = 0;   // the operation that returns an error
  int abortAtOp = 0;  // the operation that reports a partial cancel
  std::string browseAnswer;
  std::set<std::string> heldFiles;  // by folded path: held open by a run
  std::set<std::string> readOnly;   // by folded path
  bool writesFail = false;
  std::set<std::string> hiddenFolders;  // by folded path: hidden or system
  std::set<std::string> slowFolders;    // by folded path: not listed in time, once
  // What the user types in the new-folder dialog, tried in turn until one is
  // taken; Cancel after the last.
  std::vector<std::string> typedNames;
  // What the user does in the finder: text typed, or Up, Down, Enter,
  // Shift+Enter, Ctrl+Enter, Escape; closed after the last.
  std::vector<std::string> finderKeys;
  std::map<PlatWindow, std::vector<int>> windowRects;
  std::set<int> keysDown;
  std::map<int, int> asyncPollsDown;  // polls a key still reads as down
  int cursorX = 0, cursorY = 0;
  // The blocks on the clipboard by format, bytes as another program wrote them.
  std::map<int, std::string> clipboardBlocks;

  std::vector<std::unique_ptr<FakeMenu>> menus;
  std::function<int(FakeMenu*)> onTrack;
};

FakeWorld& fake();
// "[Caption|-|/column start|~greyed|*checked|submenu>]"
std::string describeMenu(FakeMenu* menu);
// The item of that caption in a menu still alive; null when there is none.
FakeMenuItem* findItem(const std::string& caption);
FakeMenu* menuHolding(const FakeMenuItem* item);
// The log as one text, a line per call, and emptied; the file operations
// are counted from one again.
std::string takeLog();
// A fresh world and fresh program records (RunState, configuration tables,
// no configuration line observer).
void resetFake();
void addFolder(const std::string& path);
void addFile(const std::string& path, const std::string& content = "");
void removeEntry(const std::string& path);
// Another run holds the file exclusively; the file refuses to be written.
void holdFile(const std::string& path);
void makeReadOnly(const std::string& path);
// The folder is hidden (or system), or slow to list once.
void makeHidden(const std::string& path);
void makeSlow(const std::string& path);
// A name as the platform hands over one the code page cannot hold: each
// '#' of the text stands for a character written as kUnheldMark + "00E9".
std::string unheld(const std::string& text);
// A CF_HDROP block of wide names (marks stand for their characters), each
// ended by a NUL, the list by another.
std::string fileListBlock(const std::vector<std::string>& names);
// A CF_UNICODETEXT block of the text, ended by a NUL.
std::string unicodeTextBlock(const std::string& text);
// A path holding a mark cut short that the logic passed to a look-up, a
// listing, the shell or a launch; empty when none was (the rule is never to).
extern std::string alteredNameUsed;
