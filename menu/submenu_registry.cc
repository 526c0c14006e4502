#include "menu/submenu_registry.h"

#include <unordered_map>

namespace {

struct Meaning {
  SubmenuKind kind;
  int index;
};

std::unordered_map<PlatMenu, Meaning>& registry() {
  static std::unordered_map<PlatMenu, Meaning> meanings;
  return meanings;
}

}  // namespace

void registerSubmenu(PlatMenu submenu, SubmenuKind kind, int index) {
  if (submenu) registry()[submenu] = {kind, index};
}

int submenuIndex(PlatMenu submenu, SubmenuKind kind) {
  auto it = registry().find(submenu);
  return it != registry().end() && it->second.kind == kind ? it->second.index : -1;
}

void forgetSubmenu(PlatMenu submenu) { registry().erase(submenu); }

void forgetSubmenuOf(SubmenuKind kind, int index) {
  for (auto it = registry().begin(); it != registry().end();)
    it = it->second.kind == kind && it->second.index == index ? registry().erase(it) : ++it;
}

void forgetSubmenus() { registry().clear(); }
