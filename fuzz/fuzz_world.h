#pragma once

#include <string>

// A fresh fake world with a handful of folders, programs and special
// folders, the program in C:\Prog\.
void resetFuzzWorld();
