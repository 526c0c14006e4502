#include "app/unheld_names.h"

#include <cstring>
#include <set>
#include <vector>

namespace {

struct UnheldNamesRecord {
  std::vector<std::string> names;  // in the order they were met
  std::set<std::string> known;
  size_t shown = 0;  // names[0..shown) were in a box already
};

UnheldNamesRecord& unheld() {
  static UnheldNamesRecord record;
  return record;
}

}  // namespace

bool isUnheldName(const char* name) {
  return strchr(name, kUnheldMark) != nullptr;
}

void noteUnheldName(const std::string& name) {
  if (unheld().known.insert(name).second) unheld().names.push_back(name);
}

bool tellUnheldNames(PlatWindow window) {
  UnheldNamesRecord& r = unheld();
  size_t fresh = r.names.size() - r.shown;
  if (fresh == 0) return false;
  size_t listed = fresh < kUnheldNamesListed ? fresh : kUnheldNamesListed;
  std::vector<std::string> lines(r.names.begin() + r.shown,
                                 r.names.begin() + r.shown + listed);
  r.shown = r.names.size();
  plat::setForegroundWindow(window);
  plat::messageBoxWithLines(window, kTextUnheldNames, lines,
                            static_cast<int>(fresh - listed), kTextNoticeTitle);
  return true;
}

void resetUnheldNames() { unheld() = UnheldNamesRecord(); }
