#include <cstring>

#include "config/config_model.h"
#include "config/config_sections.h"
#include "config/program_locator.h"
#include "text/ansi_text.h"

void readExecSection(const std::string& text) {
  SectionReader reader(text, kExecMarker, "exec");
  ExecEntries.count = 0;
  bool link = false;  // the last line was an accepted program
  bool dropped = false;  // the last line was a program line dropped
  while (reader.next()) {
    if (reader.atEnd()) break;
    // This section knows no comments; every line is expanded first.
    std::string line = reader.expanded();
    int last = ExecEntries.count - 1;
    if (takeParameterLine(line, &link, last >= 0 ? ExecEntries.program[last] : "",
                          last >= 0 ? ExecEntries.params[last] : nullptr, reader,
                          "program parameters"))
      continue;
    if (dropped && line[0] == '>') {
      reader.report(kLineDropped, "parameters of the program line dropped above");
      continue;
    }
    dropped = false;
    if (ExecEntries.count >= kMaxPrograms) {
      reader.report(kLineDropped, "table full (10 programs), section ends");
      break;
    }
    std::string programText, caption;
    bool hasCaption = splitEntry(line, &programText, &caption);
    std::string path;
    if (!fitsField(programText, kPathSize)) {
      reader.report(kLineDropped, pathTooLongReason(programText).c_str());
      dropped = true;
      continue;
    }
    if (!locateProgram(programText.c_str(), 1, &path) ||
        plat::pathIsDirectory(path.c_str()) || !fitsField(path, kPathSize)) {
      reader.report(kLineDropped, droppedEntryReason(line.c_str(), "program not found"));
      dropped = true;
      continue;
    }
    if (!hasCaption) caption = splitPath(path.c_str()).name;
    int i = ExecEntries.count++;
    copyText(ExecEntries.program[i], kPathSize, path.c_str());
    copyText(ExecEntries.caption[i], kPathSize, caption.c_str());
    ExecEntries.params[i][0] = '\0';
    link = true;
    reader.report(kLineTaken, "program");
  }
}

void chooseRunProgram() {
  if (ExecEntries.count == 0 || RunState.presetDestination != kPresetNone) {
    RunState.execMode = kExecNone;
  } else if (RunState.execMode == kExecFirst) {
    copyText(RunState.execProgram, kPathSize, ExecEntries.program[0]);
    copyText(RunState.execName, kPathSize, ExecEntries.caption[0]);
    copyText(RunState.execParams, kPathSize, ExecEntries.params[0]);
  } else if (RunState.execMode == kExecNamed) {
    for (int i = 0; i < ExecEntries.count; ++i) {
      if (equalsI(ExecEntries.caption[i], RunState.execName)) {
        copyText(RunState.execProgram, kPathSize, ExecEntries.program[i]);
        copyText(RunState.execParams, kPathSize, ExecEntries.params[i]);
        return;
      }
    }
    RunState.execMode = kExecNone;
  }
}
