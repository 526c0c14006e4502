#include "fuzz/fuzz_world.h"

#include "state/run_state.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

void resetFuzzWorld() {
  resetFake();
  for (const char* f : {"C:\\Prog", "C:\\Work", "D:\\A", "D:\\A\\B", "E:\\"}) addFolder(f);
  addFile("C:\\Windows\\System32\\notepad.exe");
  addFile("C:\\Work\\a.txt");
  addFile("C:\\Work\\p.txt", "PATH=C:\\Windows\\System32\r\n");
  fake().specialFolders[0x24] = "C:\\Windows";
  fake().specialFolders[0x00] = "C:\\Users\\%Desktop%";
  copyText(RunState.programFolder, kPathSize, "C:\\Prog\\%Falvex%\\");
  copyText(RunState.defaultConfigName, kPathSize, "Falvex.ini");
  copyText(RunState.configPath, kPathSize, "C:\\Prog\\Falvex.ini");
  RunState.mouseButtons = 3;
}
