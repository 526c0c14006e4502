#include "state/run_state.h"

#include <cstring>


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
