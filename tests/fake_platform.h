// An in-memory, Windows-like platform for the unit tests: drive letters,
// backslashes or slashes, case-insensitive names, special folders, a
// settable date. It records what the logic asked of the shell and can be
// told to fail.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

struct FakeFileOp {
  int func;
  std::vector<std::string> from;
  std::string to;
  int flags;
};

struct FakeLaunch {
  std::string file, parameters, folder;
  bool hasParameters, hasFolder;
};

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

struct FakeEntry {
  std::string path;  // as first written
  bool folder;
  std::string content;
  int order;
};

struct FakeWorld {
  std::map<std::string, FakeEntry> entries;  // by folded full path
  std::set<std::string> unreadable;          // folded paths that cannot open
  int nextOrder = 0;
  std::string currentFolder = "C:\\Work";
  std::vector<std::string> systemSearch = {"C:\\Windows\\System32",
                                           "C:\\Windows"};
  std::map<int, std::string> specialFolders;
  int year = 2008, month = 3, day = 5;

  std::vector<FakeFileOp> fileOps;
  int failAtCall = 0;   // 1-based call that returns an error, 0 none
  int abortAtCall = 0;  // 1-based call that reports a partial cancel
  std::vector<FakeLaunch> launches;
  int beeps = 0;
  std::vector<std::pair<UiText, UiText>> boxes;
  // Per box: the lines under its text and the "N more" count.
  std::vector<std::vector<std::string>> boxLines;
  std::vector<int> boxMore;
  std::vector<std::vector<BoxSection>> boxSections;
  // Paths holding a mark (a name the code page cannot hold) that the logic
  // passed to a look-up, a listing, the shell or a launch: must stay empty.
  std::vector<std::string> markedNamesUsed;
  std::string browseAnswer;
  std::vector<std::string> browseStarts;
  std::vector<UiText> browseTitles;
  std::vector<PlatWindow> foregroundCalls;
  std::map<PlatWindow, std::vector<int>> windowRects;

  std::set<int> keysDown;
  std::map<int, int> asyncPollsDown;  // polls a key still reads as down
  int sleptMs = 0;
  int cursorX = 0, cursorY = 0;
  int nullMessages = 0;

  bool hasFileList = false, hasText = false, textHandle = true;
  bool clipboardOpenFails = false;
  std::vector<std::string> fileList;
  std::string clipboard;
  int clipboardOpens = 0, clipboardCloses = 0;

  std::vector<std::unique_ptr<FakeMenu>> menus;
  std::function<int(FakeMenu*)> onTrack;
  struct Track {
    unsigned flags;
    int x, y;
  };
  std::vector<Track> tracks;
  int hooksInstalled = 0, hooksRemoved = 0;

  int liveMenus() const;
};

FakeWorld& fake();
// A fresh world and fresh program records (RunState, configuration tables).
void resetFake();
void addFolder(const std::string& path);
// A name as the platform hands over one the code page cannot hold: each
// '#' of the text stands for a character written as kUnheldMark + "00E9".
std::string unheld(const std::string& text);
void addFile(const std::string& path, const std::string& content = "");
void removeEntry(const std::string& path);
std::string fileContent(const std::string& path);
