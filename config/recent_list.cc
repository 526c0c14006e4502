#include "config/recent_list.h"

#include <cstring>

#include "config/config_reader.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

RecentRecord Recent;

namespace {

const int kHoldTries = 40;     // about 2 s in all
const int kHoldWaitMs = 50;

// "X:\..." or "\\server\share...": a path that names the same folder
// whatever the current folder.
bool isAbsoluteFolder(const std::string& path) {
  bool drive = path.size() >= 3 && isalpha(static_cast<unsigned char>(path[0])) &&
               path[1] == ':' && path[2] == '\\';
  return drive || isNetworkFolder(path);
}

bool listed(const std::vector<std::string>& folders, const std::string& folder) {
  for (const std::string& known : folders)
    if (equalsI(known.c_str(), folder.c_str())) return true;
  return false;
}

}  // namespace

bool isNetworkFolder(const std::string& path) {
  return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}

std::string recentListPath() {
  PathParts parts = splitPath(RunState.configPath);
  std::string path = parts.drive + parts.folder + parts.name + ".recent";
  return path.size() < kPathSize ? path : std::string();
}

std::vector<std::string> recentFoldersOf(const std::string& bytes) {
  std::vector<std::string> folders;
  std::string text = ansiFromFileBytes(bytes);
  for (size_t start = 0; start < text.size() && folders.size() < kMaxRecent;) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.size() >= kPathSize - 1 || lineUnusable(line.c_str()) || !isAbsoluteFolder(line))
      continue;
    char folder[kPathSize];
    copyText(folder, sizeof folder, line.c_str());
    normaliseFolder(folder, sizeof folder);
    if (!listed(folders, folder)) folders.push_back(folder);
  }
  return folders;
}

std::vector<std::string> mergedRecent(const std::vector<std::string>& chosen,
                                      const std::vector<std::string>& older, int capacity) {
  std::vector<std::string> merged;
  for (const auto* part : {&chosen, &older})
    for (const std::string& folder : *part)
      if (static_cast<int>(merged.size()) < capacity && !listed(merged, folder))
        merged.push_back(folder);
  return merged;
}

std::string recentListText(const std::vector<std::string>& folders) {
  std::string text;
  for (const std::string& folder : folders)
    text += utf8FromUtf16(plat::utf16FromAnsi(withDriveRoot(folder.c_str()))) + "\r\n";
  return text;
}

void loadRecentList() {
  Recent.count = 0;
  std::string bytes;
  if (Config.recentCapacity == 0 ||
      !plat::readWholeFile(recentListPath().c_str(), plat::kOpenExisting, &bytes))
    return;
  for (const std::string& folder : recentFoldersOf(bytes)) {
    if (Recent.count >= Config.recentCapacity) break;
    copyText(Recent.folder[Recent.count], kPathSize, folder.c_str());
    Recent.marked[Recent.count] = 0;
    Recent.count++;
  }
}

bool recordRecentFolders(const std::vector<std::string>& chosen) {
  std::string path = recentListPath();
  if (Config.recentCapacity == 0 || chosen.empty() || path.empty()) return false;
  // Another run ending at the same moment reads and writes after this one,
  // so neither run's folders are lost.
  void* hold = nullptr;
  std::string lock = path + ".lock";
  for (int tries = 0; !hold && tries < kHoldTries; ++tries) {
    hold = plat::holdFileExclusively(lock.c_str());
    if (!hold) plat::sleepMs(kHoldWaitMs);
  }
  if (!hold) return false;
  std::string bytes;
  bool readable = plat::readWholeFile(path.c_str(), plat::kOpenExisting, &bytes);
  // A list there but not readable (held open, a folder) is left as it is:
  // written without its folders, it would lose them.
  bool written = false;
  if (readable || !plat::pathFileExists(path.c_str())) {
    std::vector<std::string> merged =
        mergedRecent(chosen, recentFoldersOf(bytes), Config.recentCapacity);
    written = plat::replaceFile(path.c_str(), recentListText(merged));
  }
  plat::releaseFile(hold);
  return written;
}
