// The one record of the run, shared by every subsystem.
#pragma once

#include <cstddef>

#include "platform/platform.h"

// Fields are sized in UTF-16 units, Windows' count (kBytesPerUnit bytes
// each): a path field holds 259 units and its NUL, as Windows allows.
enum : int {
  kPathUnits = 260,
  kMaxPathUnits = kPathUnits - 1,
  kPathSize = kPathUnits * kBytesPerUnit,
  kLongPathSize = 2 * kPathUnits * kBytesPerUnit,
  kMaxSources = 1000,
  kNotSet = 9,  // settings the command line and configuration both give
};

// RunState.transferMode
enum : int { kTransferCopy = 0, kTransferMove = 1 /* kNotSet: not given */ };
// RunState.confirm
enum : int { kConfirmOff = 0, kConfirmOn = 1 /* kNotSet: not given */ };
// RunState.presetDestination: 1..kPresetMaxLevels folders up from the first
// source, or the folder browser.
enum : int { kPresetNone = 0, kPresetMaxLevels = 9, kPresetBrowse = 10 };
// RunState.execMode
enum : int { kExecNone = 0, kExecFirst = 1, kExecNamed = 2 };
// The process's exit code: 0 when the run did what it could or the user
// cancelled; kExitNothingSent when a run asked to send found none of its
// destinations (never 1, which stands for Wine dying in the tests' eyes).
enum : int { kExitDone = 0, kExitNothingSent = 2 };

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
  int transferMode;  // kTransferCopy, kTransferMove or kNotSet
  int confirm;       // kConfirmOn, kConfirmOff or kNotSet
  int openAfter;
  int presetDestination;  // kPresetNone, levels up, kPresetBrowse
  int execMode;           // kExecNone, kExecFirst, kExecNamed
  char execName[kPathSize];
  char execProgram[kPathSize];
  char execParams[kPathSize];
  char groupName[kPathSize];
  char baseFolder[kPathSize];
  char sourceList[kMaxSources][kLongPathSize];
  int sourceCount;
  int menuShowing;
  int swallowClick;
  char16_t finderKey;  // a key typed in the menu that opened the finder; 0 for none
  int menuX, menuY;     // where the menu shows, and the finder after it
  PlatMenu menuSelMenu;
  int menuSelItem;
  int menuSelByMouse;
  int spacePeekedAndMarked;  // a peeked Space marked; its taking is only swallowed
  void* mouseHook;
  void* keyboardHook;
  int invertTransfer;
  int sentCount;  // file operations done and programs started with the sources
  int exitCode;   // kExitDone or kExitNothingSent
};

extern RunStateRecord RunState;

// Back to the values of process start.
void resetRunState();
