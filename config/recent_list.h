// The folders last chosen from the menu, kept beside the configuration as
// plain UTF-8 text, newest first, when @recent=N turns the list on.
#pragma once

#include <string>
#include <vector>

#include "config/config_model.h"

struct RecentRecord {
  int count;
  char folder[kMaxRecent][kPathSize];
  int marked[kMaxRecent];
  int available[kMaxRecent];  // tested as the menu is built
};
extern RecentRecord Recent;

// "\\server\share...": a folder on another machine.
bool isNetworkFolder(const std::string& path);

// The list file: the configuration's name with ".recent" for its extension.
std::string recentListPath();
// The folders of a list file's bytes, read as a configuration is: lines that
// are no absolute folder path, or hold what the encoding or the code page
// cannot give, are passed over; each folder once, ignoring case; at most
// kMaxRecent.
std::vector<std::string> recentFoldersOf(const std::string& bytes);
// The chosen folders on top, then the older ones not among them, cut to
// capacity.
std::vector<std::string> mergedRecent(const std::vector<std::string>& chosen,
                                      const std::vector<std::string>& older, int capacity);
// The list as its file holds it: UTF-8, a folder per line.
std::string recentListText(const std::vector<std::string>& folders);

// Reads the list into Recent when the list is on; nothing is read when off.
void loadRecentList();
// Puts the chosen folders on top of the file's list, under an exclusive
// hold taken within about 2 s. False when the list is off, nothing was
// chosen, the hold is not had or the file cannot be written: the list is
// then as it was.
bool recordRecentFolders(const std::vector<std::string>& chosen);
