#include "state/run_state.h"

#include <cstring>

#include "state/marks.h"

RunStateRecord RunState;

namespace {

// The values that are not zero at process start.
void setStartValues() {
  RunState.transferMode = kNotSet;
  RunState.confirm = kNotSet;
}

// The record starts as a reset leaves it. Static storage is zeroed already,
// and clearing it again would touch every page of the sources' table.
struct StartState {
  StartState() { setStartValues(); }
} startState;

}  // namespace

void resetRunState() {
  memset(&RunState, 0, sizeof RunState);
  setStartValues();
  clearMarks();
}
