// The clipboard's blocks as another program wrote them: read within their
// size, whatever they hold, so a list without its closing NULs or a header
// that points elsewhere never makes Falvex read beyond the block.
#pragma once

#include <string>
#include <vector>

// The names of a CF_HDROP block: a 20-byte DROPFILES header, then names from
// its offset, each ended by a NUL, the list by an empty name. A name that
// does not end inside the block is left out, and so are names after it.
// Wide names come marked where the code page cannot hold a character.
std::vector<std::string> namesFromFileListBlock(const std::string& block);

// The text of a CF_UNICODETEXT (wide) or CF_TEXT block, up to its first NUL
// or the end of the block; wide text marked as names are.
std::string textFromClipboardBlock(const std::string& block, bool wide);
