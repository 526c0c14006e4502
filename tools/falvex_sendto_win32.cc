// falvex-sendto: puts a shortcut to the Falvex.exe beside it into the user's
// Send To folder, or removes one it made. Never touches other shortcuts.
// Every name goes through the wide calls: an ANSI call would best-fit
// "Tn é" into "Tn e" and act on another shortcut, or on another program.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "app/program_arguments.h"
#include "platform/platform.h"
#include "platform/win32/wide_text_win32.h"
#include "state/left_out_names.h"
#include "tools/sendto_request.h"

namespace {

// Through the seam, which writes to a console as UTF-16 and redirected
// output as UTF-8, so a name reads as typed whatever the code page.
void say(DWORD handle, const std::wstring& text) {
  plat::writeConsole(handle == STD_ERROR_HANDLE, markedFromWide(text.c_str(), text.size()));
}

int fail(const std::wstring& why) {
  say(STD_ERROR_HANDLE, L"falvex-sendto: " + why + L"\n");
  return 1;
}

// This program's folder with its trailing backslash, split at the last
// whole character; empty when it cannot be read.
std::wstring ownFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

IShellLinkW* newShellLink() {
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IShellLinkW, reinterpret_cast<void**>(&shellLink))))
    return nullptr;
  return shellLink;
}

// The program a shortcut starts; empty when it cannot be read.
std::wstring shortcutTarget(const std::wstring& link) {
  std::wstring target;
  IShellLinkW* shellLink = newShellLink();
  if (!shellLink) return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = L"";
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
        SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
      target = path;
    file->Release();
  }
  shellLink->Release();
  return target;
}

bool writeShortcut(const std::wstring& link, const std::wstring& program,
                   const std::wstring& folder, const std::wstring& options) {
  IShellLinkW* shellLink = newShellLink();
  if (!shellLink) return false;
  shellLink->SetPath(program.c_str());
  shellLink->SetArguments(options.c_str());
  shellLink->SetWorkingDirectory(folder.c_str());
  shellLink->SetIconLocation(program.c_str(), 0);
  shellLink->SetDescription(L"Falvex");
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(link.c_str(), TRUE));
    file->Release();
  }
  shellLink->Release();
  return saved;
}

int run(const SendToRequest& request) {
  std::wstring folder = ownFolder();
  std::wstring program = folder + L"Falvex.exe";
  if (folder.empty() || !PathFileExistsW(program.c_str()))
    return fail(L"Falvex.exe is not in this program's folder " + folder);
  wchar_t sendTo[MAX_PATH] = L"";
  if (!SHGetSpecialFolderPathW(nullptr, sendTo, CSIDL_SENDTO, FALSE) ||
      !PathIsDirectoryW(sendTo))
    return fail(L"this user has no Send To folder");
  std::wstring link = std::wstring(sendTo) + L"\\" + wideFromMarked(request.name) + L".lnk";
  if (link.size() >= MAX_PATH) return fail(L"the shortcut's path would be too long: " + link);
  std::wstring options = wideFromMarked(request.options);

  bool exists = PathFileExistsW(link.c_str()) != 0;
  std::wstring target = exists ? shortcutTarget(link) : std::wstring();
  bool ours = exists && lstrcmpiW(target.c_str(), program.c_str()) == 0;
  switch (decideSendToStep(request, exists, ours)) {
    case kLeaveAlone:
      return fail(link + L" starts " + (target.empty() ? L"something else" : target) +
                  L", not " + program + L"; left alone (--force replaces it)");
    case kNothingToDo:
      say(STD_OUTPUT_HANDLE, L"no shortcut " + link + L"; nothing removed\n");
      return 0;
    case kDeleteShortcut:
      if (!DeleteFileW(link.c_str())) return fail(L"could not delete " + link);
      say(STD_OUTPUT_HANDLE, L"removed " + link + L"\n");
      return 0;
    case kWriteShortcut:
      if (!writeShortcut(link, program, folder, options))
        return fail(L"could not write " + link);
      say(STD_OUTPUT_HANDLE, std::wstring(exists ? L"updated " : L"created ") + link +
                                 L" -> " + program + (options.empty() ? L"" : L" " + options) +
                                 L"\n");
      return 0;
  }
  return 1;
}

}  // namespace

int main() {
  std::string commandLine = markedFromWide(GetCommandLineW());
  std::string arguments = argumentsAfterProgramName(commandLine.c_str());
  SendToRequest request = parseSendToRequest(arguments.c_str());
  if (request.action == SendToRequest::kShowUsage) {
    plat::writeConsole(false, kSendToUsage);
    return 0;
  }
  if (request.misused) {
    fail(wideFromMarked(request.error));
    plat::writeConsole(true, kSendToUsage);
    return 2;
  }
  if (!request.error.empty()) return fail(wideFromMarked(request.error));
  if (FAILED(CoInitialize(nullptr))) return fail(L"COM is not available");
  int result = run(request);
  CoUninitialize();
  return result;
}
