#include "config/recent_list.h"

#include <algorithm>
#include <cstring>

#include "config/config_lines.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

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

bool listed(const std::vector<RecentLine>& lines, const std::string& folder) {
  for (const RecentLine& known : lines)
    if (equalsI(known.folder.c_str(), folder.c_str())) return true;
  return false;
}

// A line of the file as UTF-16 to read it by, and as UTF-8 to write it
// back: a UTF-8 line keeps its very bytes.
struct ListLine {
  std::u16string units;
  std::string text;
};

// The lines of bytes or of UTF-16 units, without their line feeds.
template <typename Text>
std::vector<Text> splitLines(const Text& text) {
  std::vector<Text> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<ListLine> listLinesOf(const std::string& bytes) {
  std::vector<ListLine> lines;
  TextEncoding encoding = detectTextEncoding(bytes);
  if (encoding == kEncodingUtf8 || encoding == kEncodingUtf8Bom) {
    for (const std::string& line : splitLines(bytes.substr(encoding == kEncodingUtf8 ? 0 : 3)))
      lines.push_back({utf16FromBytes(line, kEncodingUtf8), line});
  } else if (encoding == kEncodingAnsi) {
    for (const std::string& line : splitLines(bytes)) {
      // No name holds the mark's byte, and a byte the code page cannot read
      // is never guessed into a character: such a line names nothing.
      bool readable = line.find(kUnheldMark) == std::string::npos &&
                      plat::ansiTextReadable(line.data(), line.size());
      std::u16string units =
          readable ? plat::utf16FromAnsi(line) : std::u16string(1, kUnreadableUnit);
      lines.push_back({units, utf8FromUtf16(units)});
    }
  } else {
    for (const std::u16string& units : splitLines(utf16FromBytes(bytes, encoding)))
      lines.push_back({units, utf8FromUtf16(units)});
  }
  for (ListLine& line : lines) {  // CR and blanks at the end are no part of a name
    while (!line.units.empty() && (line.units.back() == u'\r' || line.units.back() == u' '))
      line.units.pop_back();
    while (!line.text.empty() && (line.text.back() == '\r' || line.text.back() == ' '))
      line.text.pop_back();
  }
  return lines;
}

RecentLine lineOfFolder(const std::string& folder) {
  std::string text = utf8FromUtf16(plat::utf16FromAnsi(withDriveRoot(folder.c_str())));
  return {folder, text, true};
}

}  // namespace

bool isNetworkFolder(const std::string& path) {
  return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}

bool folderReachable(const char* folder) {
  return isNetworkFolder(folder) || plat::pathIsDirectory(withDriveRoot(folder).c_str());
}

std::string recentListPath() {
  PathParts parts = splitPath(RunState.configPath);
  std::string path = parts.drive + parts.folder + parts.name + ".recent";
  return fitsField(path, kPathSize) ? path : std::string();
}

std::vector<RecentLine> recentLinesOf(const std::string& bytes) {
  std::vector<RecentLine> lines;
  for (const ListLine& line : listLinesOf(bytes)) {
    if (lines.size() >= kMaxRecent) break;
    // A NUL would cut the line into another folder's name for every reader.
    if (line.units.find(u'\0') != std::u16string::npos) continue;
    std::string folder = plat::ansiFromUtf16(line.units);
    if (!isAbsoluteFolder(folder)) continue;
    bool shown = fitsField(folder, kPathSize) && !lineUnusable(folder.c_str());
    if (shown) {
      char normalised[kPathSize];
      copyText(normalised, sizeof normalised, folder.c_str());
      normaliseFolder(normalised, sizeof normalised);
      folder = normalised;
    }
    if (!listed(lines, folder)) lines.push_back({folder, line.text, shown});
  }
  return lines;
}

std::vector<std::string> recentFoldersOf(const std::string& bytes) {
  std::vector<std::string> folders;
  for (const RecentLine& line : recentLinesOf(bytes))
    if (line.shown) folders.push_back(line.folder);
  return folders;
}

std::vector<RecentLine> mergedRecent(const std::vector<std::string>& chosen,
                                     const std::vector<RecentLine>& older, int capacity) {
  std::vector<RecentLine> merged;
  for (const std::string& folder : chosen)
    if (static_cast<int>(merged.size()) < capacity && !listed(merged, folder))
      merged.push_back(lineOfFolder(folder));
  for (const RecentLine& line : older)
    if (static_cast<int>(merged.size()) < capacity && !listed(merged, line.folder))
      merged.push_back(line);
  return merged;
}

std::string recentListText(const std::vector<RecentLine>& lines) {
  std::string text;
  for (const RecentLine& line : lines) text += line.text + "\r\n";
  return text;
}

void loadRecentList() {
  Recent.count = 0;
  std::string bytes;
  if (Config.recentCapacity == 0 ||
      !plat::readWholeFile(recentListPath().c_str(), plat::kOpenExisting, &bytes))
    return;
  // The file holds at most @recent lines once a run wrote it; the menu
  // offers those of them it can.
  std::vector<RecentLine> lines = recentLinesOf(bytes);
  for (int k = 0; k < static_cast<int>(lines.size()) && k < Config.recentCapacity; ++k) {
    if (!lines[k].shown) continue;
    copyText(Recent.folder[Recent.count], kPathSize, lines[k].folder.c_str());
    Recent.count++;
  }
}

bool recordRecentFolders(const std::vector<std::string>& chosen) {
  std::string path = recentListPath();
  if (Config.recentCapacity == 0 || chosen.empty() || path.empty()) return false;
  // Another run ending at the same moment reads and writes after this one,
  // so neither run's folders are lost.
  // A lock that cannot be made at all (a read-only or missing folder) is
  // given up at once: only another run's hold is worth waiting for.
  void* hold = nullptr;
  bool heldElsewhere = true;
  std::string lock = path + ".lock";
  for (int tries = 0; !hold && heldElsewhere && tries < kHoldTries; ++tries) {
    hold = plat::holdFileExclusively(lock.c_str(), &heldElsewhere);
    if (!hold && heldElsewhere) plat::sleepMs(kHoldWaitMs);
  }
  if (!hold) return false;
  std::string bytes;
  bool readable = plat::readWholeFile(path.c_str(), plat::kOpenExisting, &bytes);
  // A list there but not readable (held open, a folder) is left as it is:
  // written without its folders, it would lose them.
  // A read-only list stays as it is: some systems would replace it all the
  // same, and drop its flag.
  bool written = false;
  if ((readable || !plat::pathFileExists(path.c_str())) && plat::fileWritable(path.c_str())) {
    std::vector<RecentLine> merged =
        mergedRecent(chosen, recentLinesOf(bytes), Config.recentCapacity);
    written = plat::replaceFile(path.c_str(), recentListText(merged));
  }
  plat::releaseFile(hold);
  return written;
}
