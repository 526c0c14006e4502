// What falvex-sendto is asked to do and whether it may: the parts of the
// Send To set-up that decide something, kept apart from the shell calls.
#pragma once

#include <string>

extern const char kSendToUsage[];

struct SendToRequest {
  enum Action { kCreate, kRemove, kShowUsage } action = kCreate;
  bool force = false;
  std::string name = "Falvex";  // the shortcut's name, without ".lnk"
  std::string options;          // the shortcut's arguments, as typed
  std::string error;            // why the request cannot be done, if it can't
  bool misused = false;         // the error is a word no option: the usage follows it
};

// Reads the argument text (the command line after the program name):
// [--force] [--remove] [--] [NAME [OPTIONS...]], or --help, -h or /? alone
// for the usage. NAME may be quoted; one beginning with - or / comes after
// --, since such a word before NAME is taken for an option and refused when
// it is none. OPTIONS are kept exactly as typed, quotes included.
SendToRequest parseSendToRequest(const char* arguments);

// True when the name can be a file name on Windows; otherwise *why says why.
bool isShortcutName(const std::string& name, std::string* why);

enum SendToStep {
  kWriteShortcut,   // create it, or update our own
  kDeleteShortcut,
  kNothingToDo,     // removing a shortcut that is not there
  kLeaveAlone,      // it points to another program and --force was not given
};
SendToStep decideSendToStep(const SendToRequest& request, bool shortcutExists,
                            bool pointsToThisFalvex);
