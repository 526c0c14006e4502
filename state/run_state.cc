#include "state/run_state.h"

#include <cstring>

#include "state/marks.h"

RunStateRecord RunState;

void resetRunState() {
  memset(&RunState, 0, sizeof RunState);
  RunState.transferMode = kNotSet;
  RunState.confirm = kNotSet;
  clearMarks();
}

namespace {
// The record starts as a reset leaves it (static storage is only zeroed).
struct StartState {
  StartState() { resetRunState(); }
} startState;
}  // namespace
