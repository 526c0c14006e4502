#include "app/run_state.h"

#include <cstring>

#include "app/unheld_names.h"
#include "text/ansi_text.h"

RunStateRecord RunState = [] {
  RunStateRecord r;
  memset(&r, 0, sizeof r);
  r.transferMode = kNotSet;
  r.confirm = kNotSet;
  return r;
}();

void resetRunState() {
  memset(&RunState, 0, sizeof RunState);
  RunState.transferMode = kNotSet;
  RunState.confirm = kNotSet;
}

bool pathInProgramFolder(char* out, const char* name) {
  out[0] = '\0';
  if (RunState.programFolder[0] == '\0') return false;
  copyText(out, kPathSize, RunState.programFolder);
  if (appendText(out, kPathSize, name) && !isUnheldName(out)) return true;
  out[0] = '\0';
  return false;
}
