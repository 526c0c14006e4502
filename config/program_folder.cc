#include "config/program_folder.h"

#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

bool pathInProgramFolder(char* out, const char* name) {
  out[0] = '\0';
  if (RunState.programFolder[0] == '\0') return false;
  copyText(out, kPathSize, RunState.programFolder);
  if (appendText(out, kPathSize, name)) return true;
  out[0] = '\0';
  return false;
}

bool takeBaseFolder(const std::string& value) {
  if (!fitsField(value, kPathSize)) return false;
  char folder[kPathSize];
  copyText(folder, sizeof folder, value.c_str());
  addBackslash(folder, sizeof folder);
  if (!plat::pathIsDirectory(folder)) return false;
  removeTrailingBackslash(folder);
  copyText(RunState.baseFolder, kPathSize, folder);
  return true;
}
