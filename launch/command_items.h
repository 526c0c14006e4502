// Names put into the command line of a program started by the shell: the
// sources of [exec] programs, a destination filled in for %P or %-P, the
// configuration file handed to the editor. One rule for all of them.
//
// A program started through cmd.exe (a .bat or .cmd file, or cmd.exe
// itself) has its command line parsed by cmd.exe, which splits commands at
// an unquoted & and treats ^ ( ) , ; = % ! outside quotes as its own. So a
// name holding one of them is put in double quotes whatever the form, and
// a name holding % is refused for such a program altogether: cmd.exe
// expands % even inside quotes, so the name would arrive as another.
#pragma once

#include <string>

#include "config/program_locator.h"

// A name the program cannot be handed safely: one holding % for a program
// started through cmd.exe.
bool unsafeForProgram(const std::string& name, ProgramKind kind);

enum ItemQuoting {
  kQuoteAlways,          // the user's form asks for quotes ("%M", "%-M")
  kQuoteWhenSpecial,     // a bare form (%M, %-M, %P outside quotes): as written
  kQuoteWhenSpecialOrBlank,  // a lone argument (the editor's file, a folder to open)
};
// The name as one item of a command line. A quote the rule adds (not one the
// form asks for) comes with a name's trailing backslashes doubled for a
// program started directly, whose argument parser would otherwise read \"
// as a quote inside the name: it receives exactly the name it got before.
std::string commandLineItem(const std::string& name, ItemQuoting quoting, ProgramKind kind);
