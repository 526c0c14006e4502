#include "config/config_model.h"

#include <cstring>

ConfigRecord Config;
UserMacrosRecord UserMacros;
DirEntriesRecord DirEntries;
GroupsRecord Groups;
ExecEntriesRecord ExecEntries;
RecentRecord Recent;

void resetConfigModel() {
  memset(&Config, 0, sizeof Config);
  Config.menuPosition = kNotSet;
  memset(&UserMacros, 0, sizeof UserMacros);
  memset(&DirEntries, 0, sizeof DirEntries);
  memset(&Groups, 0, sizeof Groups);
  memset(&ExecEntries, 0, sizeof ExecEntries);
  memset(&Recent, 0, sizeof Recent);
}

namespace {
// The records start as a reset leaves them. Static storage is zeroed
// already; clearing it again would touch every page of the tables.
struct StartState {
  StartState() { Config.menuPosition = kNotSet; }
} startState;
}  // namespace
