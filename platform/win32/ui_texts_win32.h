#pragma once

#include <string>

#include "platform/platform.h"

// One of the program's texts, from its CP932 resource, in UTF-16.
std::wstring uiText(UiText text);
// The text with its "%d" filled in by the number.
std::wstring uiTextWithNumber(UiText text, int number);
