#pragma once

#include "platform/platform.h"

// The CP932 bytes of one of the program's texts, from its resources.
const char* uiTextBytes(UiText text);
