// falvex-sendto: puts a shortcut to the Falvex.exe beside it into the user's
// Send To folder, or removes one it made. Never touches other shortcuts.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "app/startup.h"
#include "platform/win32/wide_text_win32.h"
#include "tools/sendto_request.h"

namespace {

int fail(const std::string& why) {
  fprintf(stderr, "falvex-sendto: %s\n", why.c_str());
  return 1;
}

std::string ownFolder() {
  char path[MAX_PATH] = "";
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The program a shortcut starts; empty when it cannot be read.
std::string shortcutTarget(const std::string& link) {
  std::string target;
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IShellLinkA, reinterpret_cast<void**>(&shellLink))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    char path[MAX_PATH] = "";
    if (SUCCEEDED(file->Load(wideFromMarked(link).c_str(), STGM_READ)) &&
        SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
      target = path;
    file->Release();
  }
  shellLink->Release();
  return target;
}

bool writeShortcut(const std::string& link, const std::string& program,
                   const std::string& folder, const std::string& options) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IShellLinkA, reinterpret_cast<void**>(&shellLink))))
    return false;
  shellLink->SetPath(program.c_str());
  shellLink->SetArguments(options.c_str());
  shellLink->SetWorkingDirectory(folder.c_str());
  shellLink->SetIconLocation(program.c_str(), 0);
  shellLink->SetDescription("Falvex");
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(wideFromMarked(link).c_str(), TRUE));
    file->Release();
  }
  shellLink->Release();
  return saved;
}

int run(const SendToRequest& request) {
  std::string folder = ownFolder();
  std::string program = folder + "Falvex.exe";
  if (folder.empty() || !PathFileExistsA(program.c_str()))
    return fail("Falvex.exe is not in this program's folder " + folder);
  char sendTo[MAX_PATH] = "";
  if (!SHGetSpecialFolderPathA(nullptr, sendTo, CSIDL_SENDTO, FALSE) ||
      !PathIsDirectoryA(sendTo))
    return fail("this user has no Send To folder");
  std::string link = std::string(sendTo) + "\\" + request.name + ".lnk";
  if (link.size() >= MAX_PATH) return fail("the shortcut's path would be too long: " + link);

  bool exists = PathFileExistsA(link.c_str()) != 0;
  std::string target = exists ? shortcutTarget(link) : std::string();
  bool ours = exists && lstrcmpiA(target.c_str(), program.c_str()) == 0;
  switch (decideSendToStep(request, exists, ours)) {
    case kLeaveAlone:
      return fail(link + " starts " + (target.empty() ? "something else" : target) +
                  ", not " + program + "; left alone (--force replaces it)");
    case kNothingToDo:
      printf("no shortcut %s; nothing removed\n", link.c_str());
      return 0;
    case kDeleteShortcut:
      if (!DeleteFileA(link.c_str())) return fail("could not delete " + link);
      printf("removed %s\n", link.c_str());
      return 0;
    case kWriteShortcut:
      if (!writeShortcut(link, program, folder, request.options))
        return fail("could not write " + link);
      printf("%s %s -> %s %s\n", exists ? "updated" : "created", link.c_str(),
             program.c_str(), request.options.c_str());
      return 0;
  }
  return 1;
}

}  // namespace

int main() {
  SendToRequest request = parseSendToRequest(argumentsAfterProgramName(GetCommandLineA()));
  if (!request.error.empty()) return fail(request.error);
  if (FAILED(CoInitialize(nullptr))) return fail("COM is not available");
  int result = run(request);
  CoUninitialize();
  return result;
}
