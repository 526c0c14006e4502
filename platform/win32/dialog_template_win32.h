// Dialogs built in memory, so every program of ours carries them without
// a resource of its own.
#pragma once

#include <windows.h>

#include <vector>

const WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082,
           kListBoxClass = 0x0083;

// A dialog template in words: DWORDs low word first, strings NUL-ended.
class DialogTemplate {
 public:
  // A dialog of that size in dialog units, in the shell's font, with a
  // title bar that holds only its close box; its title is set as it opens.
  DialogTemplate(DWORD style, short cx, short cy) {
    dword(style | DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    dword(WS_EX_DLGMODALFRAME);
    word(0);  // the number of items, counted as they are added
    for (short value : {short(0), short(0), cx, cy}) word(static_cast<WORD>(value));
    word(0);  // no menu
    word(0);  // the standard class
    text(L"");
    word(9);
    text(L"MS Shell Dlg");
  }
  void dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void word(WORD value) { words_.push_back(value); }
  void text(const wchar_t* value) {
    for (; *value; ++value) words_.push_back(static_cast<WORD>(*value));
    words_.push_back(0);
  }
  void alignToDword() {
    if (words_.size() % 2) words_.push_back(0);
  }
  void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD windowClass,
            const wchar_t* title) {
    ++words_[kItemCountWord];
    alignToDword();
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    for (short value : {x, y, cx, cy}) word(static_cast<WORD>(value));
    word(id);
    word(0xFFFF);
    word(windowClass);
    text(title);
    word(0);  // no creation data
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static const size_t kItemCountWord = 4;  // after the style and the extended style
  std::vector<WORD> words_;
};
