#pragma once

#include "platform/platform.h"

enum SourceTextMode { kCommandLineText = 0, kLineText = 1 };

// Rebuilds RunState.sourceList from a text: the command-line form splits at
// spaces, the line form at line feeds; quoted stretches keep their spaces.
// Only existing files and folders are taken.
void collectSources(const char* text, int textMode);

// Takes the sources from the clipboard's file list, else from its text.
// Returns 1 when a list was read or a non-empty text scanned.
int collectClipboardSources(PlatWindow hostWindow);
