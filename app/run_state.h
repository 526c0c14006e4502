// The one record of the run, shared by every subsystem.
#pragma once

#include "platform/platform.h"

enum : int {
  kPathSize = 260,
  kLongPathSize = 520,
  kMaxSources = 1000,
  kNotSet = 9,  // settings the command line and configuration both give
};

struct RunStateRecord {
  PlatInstance instance;
  const char* commandLine;  // argument text after the program name
  PlatWindow hostWindow;
  PlatWindow previousForeground;
  char modulePath[kLongPathSize];
  char defaultConfigName[kPathSize];
  char programFolder[kPathSize];  // with trailing backslash
  char configPath[kPathSize];
  char readmePath[kPathSize];
  int screenWidth;
  int maximizedHeight;
  int mouseButtons;
  int folderInternal;
  int transferMode;  // 0 copy, 1 move, 9 not set
  int confirm;       // 1 prompts on, 0 off, 9 not set
  int openAfter;
  int presetDestination;  // 0 none, 1..9 levels up, 10 browse
  int execMode;           // 0 none, 1 first [exec] entry, 2 named entry
  char execName[kPathSize];
  char execProgram[kPathSize];
  char execParams[kPathSize];
  char groupName[kPathSize];
  char baseFolder[kPathSize];
  char sourceList[kMaxSources][kLongPathSize];
  int sourceCount;
  int menuShowing;
  int swallowClick;
  PlatMenu menuSelMenu;
  int menuSelItem;
  int menuSelByMouse;
  void* mouseHook;
  void* keyboardHook;
  int invertTransfer;
  char resolvedDestination[kPathSize];
};

extern RunStateRecord RunState;

// Back to the values of process start.
void resetRunState();

// The program folder followed by name, into out[kPathSize]. A path that
// cannot be formed whole (the program folder did not fit its field, the name
// does not fit behind it, or either holds a name the code page cannot hold)
// leaves out empty: a cut, relative or best-fit path names some other file.
bool pathInProgramFolder(char* out, const char* name);
