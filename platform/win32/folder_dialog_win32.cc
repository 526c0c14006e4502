// The small dialog that asks for a new folder's name, built in memory so
// every program of ours carries it without a resource of its own.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/win32/dialog_template_win32.h"
#include "platform/win32/ui_texts_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace {

enum : WORD { kPromptId = 100, kEditId = 101 };

struct DialogState {
  std::wstring prompt;
  std::wstring initial;
  plat::FolderNameCheck check;
  std::string name;
};

INT_PTR onInitDialog(HWND dialog, DialogState* state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  SetWindowTextW(dialog, uiText(kTextNewFolderTitle).c_str());
  SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
  SetDlgItemTextW(dialog, IDCANCEL, uiText(kTextCancel).c_str());
  SetDlgItemTextW(dialog, kEditId, state->initial.c_str());
  HWND edit = GetDlgItem(dialog, kEditId);
  SendMessageW(edit, EM_SETSEL, 0, -1);  // typing replaces it
  SetFocus(edit);
  return FALSE;  // the focus is set
}

// OK: the name is taken only when the check lets it; otherwise a box says
// why and the dialog stays, the text kept.
void onOk(HWND dialog, DialogState* state) {
  HWND edit = GetDlgItem(dialog, kEditId);
  int length = GetWindowTextLengthW(edit);
  std::wstring typed(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(edit, &typed[0], length + 1);
  std::string name = markedFromWide(typed.c_str(), static_cast<size_t>(length));
  UiText refusal = state->check(name);
  if (refusal == kUiTextCount) {
    state->name = name;
    EndDialog(dialog, IDOK);
    return;
  }
  MessageBoxW(dialog, uiText(refusal).c_str(), uiText(kTextNoticeTitle).c_str(), MB_OK);
  SetFocus(edit);
}

INT_PTR CALLBACK newFolderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      return onInitDialog(dialog, reinterpret_cast<DialogState*>(lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) onOk(dialog, state);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

namespace plat {

std::string askFolderName(PlatWindow owner, const char* parent, const std::string& initial,
                          FolderNameCheck check) {
  DialogState state{uiText(kTextNewFolderPrompt) + L"\r\n" + wideFromMarked(parent),
                    wideFromMarked(initial), check, std::string()};
  DialogTemplate dialog(DS_CENTER, 240, 86);
  dialog.item(SS_LEFT, 7, 7, 226, 26, kPromptId, kStaticClass, L"");
  dialog.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 38, 226, 14, kEditId, kEditClass, L"");
  dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 122, 62, 50, 16, IDOK, kButtonClass, L"OK");
  dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 180, 62, 50, 16, IDCANCEL, kButtonClass, L"");
  INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(),
                                           static_cast<HWND>(owner), newFolderDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? state.name : std::string();
}

}  // namespace plat
