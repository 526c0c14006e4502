// Loading a large configuration (1,000 entries) against reading its bytes
// and scanning them once, with and without macros, and what a UTF-8 file
// costs over the same file in ANSI, split into its parts. Figures only: the
// macro expansion and the fake's conversion dominate, not the reader.
#include <malloc.h>

#include <cstdio>
#include <string>

#include "bench/bench_timer.h"
#include "config/config_model.h"
#include "config/config_reader.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

int main() {
  // Keep large buffers off fresh mmap pages, so page faults do not swamp
  // what is measured.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  resetFake();
  addFolder("C:\\Prog");
  std::string text = "[system]\r\n@param\r\n%d% | D:\\Dest\r\n@menu=center\r\n%end\r\n[dir]\r\n";
  for (int i = 0; i < 1000; ++i) {
    std::string folder = "D:\\Dest\\folder" + std::to_string(i % 100);
    addFolder(folder);
    text += (i % 50 == 25) ? "+\r\n"
                           : "%d%\\folder" + std::to_string(i % 100) + " | &Folder " +
                                 std::to_string(i) + "\r\n";
  }
  text += "%end\r\n[group]\r\n";
  for (int g = 0; g < 10; ++g) {
    text += "{Group " + std::to_string(g) + "\r\n";
    for (int m = 0; m < 10; ++m) text += "D:\\Dest\\folder" + std::to_string(m) + "\r\n";
    text += "}\r\n";
  }
  text += "%end\r\n[exec]\r\n";
  for (int p = 0; p < 10; ++p) {
    addFile("C:\\Tools\\tool" + std::to_string(p) + ".exe");
    text += "C:\\Tools\\tool" + std::to_string(p) + " | Tool " + std::to_string(p) +
            "\r\n>\"%M\" %P\r\n";
  }
  text += "%end\r\n";
  addFile("C:\\Prog\\Falvex.ini", text);

  auto setUp = [] {
    copyText(RunState.programFolder, kPathSize, "C:\\Prog\\");
    copyText(RunState.defaultConfigName, kPathSize, "Falvex.ini");
    copyText(RunState.configPath, kPathSize, "C:\\Prog\\Falvex.ini");
  };
  setUp();
  double load = bestMicros(50, [&] {
    Config.menuPosition = 9;
    loadConfiguration(nullptr);
  });
  volatile size_t lines = 0;
  double scan = bestMicros(50, [&] {
    std::string bytes;
    plat::readWholeFile("C:\\Prog\\Falvex.ini", plat::kOpenExisting, &bytes);
    size_t n = 0;
    for (char c : bytes) n += c == '\n';
    lines = n;
  });
  printf("configuration: %zu bytes, %d [dir] entries, %d groups, %d programs\n", text.size(),
         DirEntries.count, Groups.count, ExecEntries.count);
  std::string plain = text;
  plain.replace(plain.find("@param"), 6, "@noparam");
  addFile("C:\\Prog\\Falvex.ini", plain);
  for (size_t at; (at = plain.find("%d%")) != std::string::npos;) plain.replace(at, 3, "D:\\Dest");
  addFile("C:\\Prog\\Falvex.ini", plain);
  double loadPlain = bestMicros(50, [&] {
    Config.menuPosition = 9;
    loadConfiguration(nullptr);
  });
  printf("read+scan %.1f us; load without macros %.1f us, with macros %.1f us\n", scan, loadPlain,
         load);

  // The same entries captioned 写真 N, saved as ANSI (CP932) and as UTF-8.
  auto captioned = [&](const std::string& name) {
    std::string out = plain;
    for (size_t at; (at = out.find("&Folder ")) != std::string::npos;)
      out.replace(at, 8, name + " ");
    return out;
  };
  double times[2];
  const std::string names[2] = {"\x8E\xCA\x90\x5E", "\xE5\x86\x99\xE7\x9C\x9F"};
  for (int i = 0; i < 2; ++i) {
    addFile("C:\\Prog\\Falvex.ini", captioned(names[i]));
    times[i] = bestMicros(50, [&] {
      Config.menuPosition = 9;
      loadConfiguration(nullptr);
    });
  }
  printf("Japanese captions: ANSI %.1f us, UTF-8 %.1f us (%.1f us more per 1,000 entries)\n",
         times[0], times[1], times[1] - times[0]);
  // Where the UTF-8 cost sits: decoding the bytes (the reader's own) and the
  // conversion to the code page (the platform's; here the fake's).
  const std::string utf8 = captioned(names[1]);
  std::u16string units;
  double decode = bestMicros(50, [&] { units = utf16FromBytes(utf8, kEncodingUtf8); });
  double convert = bestMicros(50, [&] { lines = plat::ansiFromUtf16(units).size(); });
  printf("UTF-8 parts: decoding %.1f us, conversion to the code page %.1f us\n", decode, convert);
  return 0;
}
