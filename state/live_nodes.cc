#include "state/live_nodes.h"

LiveNodeRecord LiveNodes;
