// Test helper: probe LNK OUT writes a shortcut's target and arguments, as
// Windows reads them (IShellLinkA), to OUT.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  wchar_t file[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, file, MAX_PATH);
  char target[MAX_PATH] = "", arguments[1024] = "";
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))) ||
      FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) ||
      FAILED(persist->Load(file, STGM_READ)))
    return 1;
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetArguments(arguments, sizeof arguments);
  FILE* out = fopen(argv[2], "wb");
  if (!out) return 1;
  fprintf(out, "target=%s\nargs=%s\n", target, arguments);
  fclose(out);
  return 0;
}
