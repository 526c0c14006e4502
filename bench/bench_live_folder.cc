// Filling a live folder's submenu over the fake for 10, 1,000 and 10,000
// subfolders. Past the 200 shown, only choosing the first 200 in order grows
// with the subfolders; the listing itself is the fake's.
#include <cstdio>
#include <string>

#include "bench/bench_timer.h"
#include "menu/live_folders.h"
#include "tests/fake_platform.h"

int main() {
  for (int count : {10, 1000, 10000}) {
    resetFake();
    std::string folder = "D:\\Live" + std::to_string(count);
    for (int i = 0; i < count; ++i) addFolder(folder + "\\Folder " + std::to_string(count - i));
    std::vector<plat::Subfolder> found;
    double listing = bestMicros(5, [&] { plat::listSubfolders(folder.c_str(), 1500, &found); });
    double fill = bestMicros(5, [&] {
      forgetLiveNodes();
      PlatMenu menu = plat::createPopupMenu();
      int node = liveNodeFor(folder.c_str(), -1);
      fillLiveMenu(menu, node);
      plat::destroyMenu(menu);
    });
    printf("%5d subfolders: submenu filled in %8.1f us, of which the fake's listing %8.1f us\n",
           count, fill, listing);
  }
  return 0;
}
