// Listing a folder's subfolders on a thread of its own, so a folder that
// does not answer (an offline share, a sleeping disk) never holds the menu
// longer than the wait asked for.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/wide_text_win32.h"

namespace {

// Shared by the waiting menu and the listing thread; whichever lets go last
// frees it, so a listing that ends after the menu closed writes into memory
// that is still its own.
struct Listing {
  std::wstring pattern;
  HANDLE finished;
  bool missing = false;
  std::vector<plat::Subfolder> subfolders;
  LONG holders = 2;
};

void letGo(Listing* listing) {
  if (InterlockedDecrement(&listing->holders) != 0) return;
  CloseHandle(listing->finished);
  delete listing;
}

DWORD WINAPI listOnItsOwn(void* parameter) {
  Listing* listing = static_cast<Listing*>(parameter);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW(listing->pattern.c_str(), FindExInfoBasic, &data,
                                 FindExSearchLimitToDirectories, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) {
    listing->missing = true;  // an existing folder lists "." at least
  } else {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
      if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
      bool hidden = data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
      listing->subfolders.push_back({markedFromWide(data.cFileName), hidden});
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  SetEvent(listing->finished);
  letGo(listing);
  return 0;
}

// Listings that were not done in time, by folder, taken by the next call.
std::map<std::string, Listing*>& pending() {
  static std::map<std::string, Listing*> listings;
  return listings;
}

}  // namespace

namespace plat {

ListOutcome listSubfolders(const char* folder, int waitMs, std::vector<Subfolder>* subfolders) {
  Listing* listing = nullptr;
  auto it = pending().find(folder);
  if (it != pending().end()) {
    listing = it->second;
    pending().erase(it);
  } else {
    // Nothing here touches the folder itself: even asking whether it exists
    // may wait on the network.
    listing = new Listing;
    std::wstring wide = wideFromMarked(folder);
    if (!wide.empty() && wide.back() != L'\\') wide += L'\\';
    listing->pattern = wide + L"*";
    listing->finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, listOnItsOwn, listing, 0, nullptr);
    if (!thread) {
      letGo(listing);
      letGo(listing);
      return kListMissing;
    }
    CloseHandle(thread);
  }
  if (WaitForSingleObject(listing->finished, static_cast<DWORD>(waitMs)) != WAIT_OBJECT_0) {
    pending()[folder] = listing;
    return kListSlow;
  }
  bool missing = listing->missing;
  *subfolders = listing->subfolders;
  letGo(listing);
  return missing ? kListMissing : kListed;
}

bool createFolder(const char* path) {
  return CreateDirectoryW(wideFromMarked(path).c_str(), nullptr) != 0;
}

void removeEmptyFolder(const char* path) { RemoveDirectoryW(wideFromMarked(path).c_str()); }

}  // namespace plat
