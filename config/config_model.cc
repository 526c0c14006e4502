#include "config/config_model.h"

#include <cstring>

ConfigRecord Config = [] {
  ConfigRecord c;
  memset(&c, 0, sizeof c);
  c.menuPosition = kNotSet;
  return c;
}();
UserMacrosRecord UserMacros;
DirEntriesRecord DirEntries;
GroupsRecord Groups;
ExecEntriesRecord ExecEntries;

void resetConfigModel() {
  memset(&Config, 0, sizeof Config);
  Config.menuPosition = kNotSet;
  memset(&UserMacros, 0, sizeof UserMacros);
  memset(&DirEntries, 0, sizeof DirEntries);
  memset(&Groups, 0, sizeof Groups);
  memset(&ExecEntries, 0, sizeof ExecEntries);
}
