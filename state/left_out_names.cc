#include "state/left_out_names.h"

#include <cstring>
#include <set>
#include <vector>

#include "text/ansi_text.h"

namespace {

struct LeftOutNames {
  std::vector<std::string> names;  // in the order they were met
  std::set<std::string> known;
  size_t shown = 0;  // names[0..shown) were in a box already

  void note(const std::string& name) {
    if (known.insert(name).second) names.push_back(name);
  }
  // The names not yet shown, as a box section when there are any.
  void takeSection(UiText text, UiText advice, std::vector<BoxSection>* sections) {
    size_t fresh = names.size() - shown;
    if (fresh == 0) return;
    size_t listed = fresh < kUnheldNamesListed ? fresh : kUnheldNamesListed;
    sections->push_back({text,
                         std::vector<std::string>(names.begin() + shown,
                                                  names.begin() + shown + listed),
                         static_cast<int>(fresh - listed), advice});
    shown = names.size();
  }
};

struct LeftOutRecord {
  LeftOutNames tooLong, invalid, batchUnsafe;
  int commandTooLong = -1;  // the names of a command line not handed over; -1: none
};

LeftOutRecord& leftOut() {
  static LeftOutRecord record;
  return record;
}

}  // namespace

bool isWildcardName(const char* name) { return strpbrk(name, "*?") != nullptr; }

void noteTooLongName(const std::string& name) { leftOut().tooLong.note(name); }

void noteInvalidName(const std::string& name) { leftOut().invalid.note(name); }

void noteBatchUnsafeName(const std::string& name) { leftOut().batchUnsafe.note(name); }

void noteCommandTooLong(int names) { leftOut().commandTooLong = names; }

bool tellLeftOutNames(PlatWindow window) {
  std::vector<BoxSection> sections;
  leftOut().tooLong.takeSection(kTextTooLongNames, kTextTooLongAdvice, &sections);
  leftOut().invalid.takeSection(kTextInvalidNames, kTextInvalidAdvice, &sections);
  leftOut().batchUnsafe.takeSection(kTextBatchUnsafeNames, kTextBatchUnsafeAdvice, &sections);
  if (leftOut().commandTooLong >= 0)
    sections.push_back({kTextCommandTooLong, {}, 0, kTextCommandTooLongAdvice,
                        leftOut().commandTooLong});
  leftOut().commandTooLong = -1;
  if (sections.empty()) return false;
  plat::setForegroundWindow(window);
  plat::messageBoxWithSections(window, sections, kTextNoticeTitle);
  return true;
}

void resetLeftOutNames() { leftOut() = LeftOutRecord(); }
