// Test helper that reads back what the shipped programs carry, in UTF-8:
//   probe version FILE OUT  version strings of each translation, the fixed
//                           file version and the embedded manifest
//   probe link LNK OUT      a shortcut's target and arguments (IShellLinkA)
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

static std::string utf8Of(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

static std::wstring wideOf(const char* text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring out(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, &out[0], n);
  return out;
}

static std::string versionReport(const char* file) {
  std::wstring path = wideOf(file);
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  std::string out;
  std::vector<char> block(size ? size : 1);
  if (size && GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
      char line[64];
      snprintf(line, sizeof line, "fixed=%d.%d.%d.%d\n", HIWORD(fixed->dwFileVersionMS),
               LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
               LOWORD(fixed->dwFileVersionLS));
      out += line;
    }
    WORD* translations = nullptr;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translations), &length)) {
      for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2) {
        wchar_t table[16];
        swprintf(table, 16, L"%04x%04x", translations[i], translations[i + 1]);
        for (const wchar_t* key : {L"FileDescription", L"FileVersion", L"ProductName",
                                   L"ProductVersion", L"OriginalFilename"}) {
          std::wstring query = std::wstring(L"\\StringFileInfo\\") + table + L"\\" + key;
          wchar_t* value = nullptr;
          if (VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            out += utf8Of(table) + " " + utf8Of(key) + "=" + utf8Of(value) + "\n";
        }
      }
    }
  }
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC manifest = module ? FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
  if (manifest) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
    out += "manifest=" + std::string(bytes, SizeofResource(module, manifest)) + "\n";
  }
  return out;
}

static std::string linkReport(const char* file) {
  std::string out;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
      char target[MAX_PATH] = "", arguments[1024] = "";
      if (SUCCEEDED(persist->Load(wideOf(file).c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetArguments(arguments, sizeof arguments);
        out = std::string("target=") + target + "\nargs=" + arguments + "\n";
      }
      persist->Release();
    }
    link->Release();
  }
  return out;
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  std::string report = std::string(argv[1]) == "link" ? linkReport(argv[2]) : versionReport(argv[2]);
  FILE* out = fopen(argv[3], "wb");
  if (!out) return 1;
  fwrite(report.data(), 1, report.size(), out);
  fclose(out);
  return report.empty() ? 1 : 0;
}
