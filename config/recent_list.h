// The folders last chosen from the menu, kept beside the configuration as
// plain UTF-8 text, newest first, when @recent=N turns the list on.
#pragma once

#include <string>
#include <vector>

#include "config/config_model.h"

// "\\server\share...": a folder on another machine.
bool isNetworkFolder(const std::string& path);
// A network folder, or a local one that is there. A network folder is never
// tested: a menu must not wait on it.
bool folderReachable(const char* folder);

// The list file: the configuration's name with ".recent" for its extension.
std::string recentListPath();
// One line of the list file as read: the folder as the program names it
// (marked where the code page cannot hold it), and the line as it is
// written back, in UTF-8, exactly as it came.
struct RecentLine {
  std::string folder;
  std::string text;
  bool shown;  // the menu can offer it: an absolute folder a path holds
};
// The lines of a list file's bytes that name an absolute folder, each once
// (ignoring case), at most kMaxRecent; a line the menu cannot offer here
// (a name the code page cannot hold, unreadable input, too long) is kept
// for the file all the same. Lines that are no such path at all are dropped.
std::vector<RecentLine> recentLinesOf(const std::string& bytes);
// The folders of those lines the menu offers.
std::vector<std::string> recentFoldersOf(const std::string& bytes);
// The chosen folders on top, then the older lines not among them, cut to
// capacity.
std::vector<RecentLine> mergedRecent(const std::vector<std::string>& chosen,
                                     const std::vector<RecentLine>& older, int capacity);
// The list as its file holds it: UTF-8, a folder per line.
std::string recentListText(const std::vector<RecentLine>& lines);

// Reads the list into Recent when the list is on; nothing is read when off.
void loadRecentList();
// Puts the chosen folders on top of the file's list, under an exclusive
// hold waited for about 2 s while another run has it. False when the list
// is off, nothing was chosen, the hold cannot be had, or the file is
// read-only or cannot be written: the list is then as it was.
bool recordRecentFolders(const std::vector<std::string>& chosen);
