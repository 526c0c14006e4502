#include "state/left_out_names.h"

#include <cstring>
#include <set>
#include <vector>

namespace {

struct LeftOutNames {
  std::vector<std::string> names;  // in the order they were met
  std::set<std::string> known;
  size_t shown = 0;  // names[0..shown) were in a box already

  void note(const std::string& name) {
    if (known.insert(name).second) names.push_back(name);
  }
  // The names not yet shown as a box section; false when there are none.
  bool takeSection(UiText text, std::vector<BoxSection>* sections) {
    size_t fresh = names.size() - shown;
    if (fresh == 0) return false;
    size_t listed = fresh < kUnheldNamesListed ? fresh : kUnheldNamesListed;
    sections->push_back({text,
                         std::vector<std::string>(names.begin() + shown,
                                                  names.begin() + shown + listed),
                         static_cast<int>(fresh - listed)});
    shown = names.size();
    return true;
  }
};

struct LeftOutRecord {
  LeftOutNames unheld, wildcard;
};

LeftOutRecord& leftOut() {
  static LeftOutRecord record;
  return record;
}

}  // namespace

bool isUnheldName(const char* name) {
  return strchr(name, kUnheldMark) != nullptr;
}

bool isWildcardName(const char* name) { return strpbrk(name, "*?") != nullptr; }

void noteUnheldName(const std::string& name) { leftOut().unheld.note(name); }
void noteWildcardName(const std::string& name) { leftOut().wildcard.note(name); }

bool tellLeftOutNames(PlatWindow window) {
  std::vector<BoxSection> sections;
  leftOut().unheld.takeSection(kTextUnheldNames, &sections);
  leftOut().wildcard.takeSection(kTextInvalidNames, &sections);
  if (sections.empty()) return false;
  plat::setForegroundWindow(window);
  plat::messageBoxWithSections(window, sections, kTextNoticeTitle);
  return true;
}

void resetLeftOutNames() { leftOut() = LeftOutRecord(); }
