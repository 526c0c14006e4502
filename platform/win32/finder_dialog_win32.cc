// The finder's window: an edit field over a list of the destinations that
// match what is typed, built in memory like the new-folder dialog. The
// field keeps the focus; Up and Down move the list's selection from it.
// It is made while the menu is still open, so the keyboard never passes to
// another program's window between the two, and it runs its own loop once
// the menu has closed.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/win32/dialog_template_win32.h"
#include "platform/win32/ui_texts_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace {

enum : WORD { kEditId = 101, kListId = 102 };

struct FinderState {
  int x, y;
  std::wstring typed;
  plat::FinderQuery query;
  std::vector<plat::FinderRow> rows;
  WNDPROC editProc;
  plat::FinderAnswer answer;
  bool done;
};

FinderState* stateOf(HWND dialog) {
  return reinterpret_cast<FinderState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The field's keys that belong to the list.
LRESULT CALLBACK editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND dialog = GetParent(edit);
  FinderState* state = stateOf(dialog);
  bool listKey = wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT;
  if (message == WM_KEYDOWN && listKey) {
    SendDlgItemMessageW(dialog, kListId, WM_KEYDOWN, wParam, lParam);
    return 0;
  }
  return CallWindowProcW(state->editProc, edit, message, wParam, lParam);
}

// Lists the rows for the text in the field, the top one selected.
void refill(HWND dialog, FinderState* state) {
  HWND edit = GetDlgItem(dialog, kEditId), list = GetDlgItem(dialog, kListId);
  int length = GetWindowTextLengthW(edit);
  std::wstring typed(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(edit, &typed[0], length + 1);
  state->rows = state->query(markedFromWide(typed.c_str(), static_cast<size_t>(length)));
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const plat::FinderRow& row : state->rows) {
    LRESULT at = SendMessageW(list, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(wideFromMarked(row.text).c_str()));
    SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), row.grayed);
  }
  if (state->rows.empty()) {
    LRESULT at = SendMessageW(list, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(uiText(kTextFinderNothing).c_str()));
    SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), 1);
  }
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

INT_PTR onInitDialog(HWND dialog, FinderState* state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  SetWindowTextW(dialog, uiText(kTextFinderTitle).c_str());
  // At the menu's place, centred on it, and kept on the screen.
  RECT frame;
  GetWindowRect(dialog, &frame);
  SetWindowPos(dialog, HWND_TOPMOST, state->x - (frame.right - frame.left) / 2,
               state->y - (frame.bottom - frame.top) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(dialog, DM_REPOSITION, 0, 0);
  HWND edit = GetDlgItem(dialog, kEditId);
  state->editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc)));
  SetWindowTextW(edit, state->typed.c_str());  // lists through EN_CHANGE
  SendMessageW(edit, EM_SETSEL, state->typed.size(), state->typed.size());
  return FALSE;  // no focus yet: focusing the field would activate the window now
}

// Enter: the row selected, unless it is greyed (a folder gone, or nothing
// found), which leaves the finder open.
void onOk(HWND dialog, FinderState* state) {
  LRESULT row = SendDlgItemMessageW(dialog, kListId, LB_GETCURSEL, 0, 0);
  if (row < 0 || row >= static_cast<LRESULT>(state->rows.size()) || state->rows[row].grayed)
    return;
  state->answer = {static_cast<int>(row), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0};
  state->done = true;
}

void onDrawItem(const DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1)) return;
  bool selected = (item->itemState & ODS_SELECTED) != 0;
  bool grayed = item->itemData != 0;
  FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  int length = static_cast<int>(SendMessageW(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0));
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  SendMessageW(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(&text[0]));
  SetBkMode(item->hDC, TRANSPARENT);
  SetTextColor(item->hDC, GetSysColor(grayed ? COLOR_GRAYTEXT
                                       : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT room = item->rcItem;
  room.left += 4;
  DrawTextW(item->hDC, text.c_str(), length, &room,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

INT_PTR onCommand(HWND dialog, FinderState* state, WORD id, WORD code) {
  if (id == kEditId && code == EN_CHANGE) refill(dialog, state);
  if (id == IDOK || (id == kListId && code == LBN_DBLCLK)) onOk(dialog, state);
  if (id == IDCANCEL) state->done = true;
  if (id == kListId && code == LBN_SELCHANGE) SetFocus(GetDlgItem(dialog, kEditId));
  return TRUE;
}

// The field takes the focus with the caret after what is typed: the
// dialog's own handling would select it all, and the next key typed would
// replace it.
bool onActivate(HWND dialog) {
  HWND edit = GetDlgItem(dialog, kEditId);
  SetFocus(edit);
  int length = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, length, length);
  return true;
}

INT_PTR CALLBACK finderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return onInitDialog(dialog, reinterpret_cast<FinderState*>(lParam));
    case WM_COMMAND:
      return onCommand(dialog, stateOf(dialog), LOWORD(wParam), HIWORD(wParam));
    case WM_DRAWITEM:
      onDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      return LOWORD(wParam) != WA_INACTIVE && onActivate(dialog);
    default:
      return FALSE;
  }
}

// Brings the finder forward before the menu lets go of the keyboard, so no
// key typed in between reaches another program. Under X (Wine) the window
// manager hands the focus over by a message of its own once it has mapped
// the window; the foreground the program sets alone is not the X focus,
// and the menu closing first would give the keyboard back to the window
// that had it before Falvex. So there the finder waits, handling the
// window system's events but no input, until that message has made it the
// foreground, half a second at most.
void bringForward(HWND dialog) {
  ShowWindow(dialog, SW_SHOWNA);
  bool underX = GetPropW(dialog, L"__wine_x11_whole_window") != nullptr;
  const UINT kNoInput = QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT | QS_TIMER;
  for (DWORD start = GetTickCount();
       underX && GetForegroundWindow() != dialog && GetTickCount() - start < 500;) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | (kNoInput << 16));
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, kNoInput);
  }
  SetForegroundWindow(dialog);
  onActivate(dialog);
}

// A key queued for another window of the thread (the host window, which
// had the focus while the menu showed) was typed for the finder.
void takeKeyForField(HWND dialog, MSG* message) {
  bool key = message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST;
  if (key && message->hwnd != dialog && !IsChild(dialog, message->hwnd))
    message->hwnd = GetDlgItem(dialog, kEditId);
}

FinderState finder;
HWND finderWindow;

}  // namespace

namespace plat {

void showFinder(PlatWindow owner, int x, int y, const std::string& typed, FinderQuery query) {
  finder = FinderState{x, y, wideFromMarked(typed), query, {}, nullptr, {-1, false, false}, false};
  DialogTemplate dialog(0, 240, 140);
  dialog.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 6, 228, 14, kEditId, kEditClass, L"");
  dialog.item(LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                  WS_VSCROLL | WS_BORDER,
              6, 24, 228, 110, kListId, kListBoxClass, L"");
  // Enter in the field presses it; it is never seen.
  dialog.item(BS_DEFPUSHBUTTON, 0, 0, 0, 0, IDOK, kButtonClass, L"");
  finderWindow = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.get(),
                                            static_cast<HWND>(owner), finderDialogProc,
                                            reinterpret_cast<LPARAM>(&finder));
  if (!finderWindow) return;
  bringForward(finderWindow);
}

FinderAnswer finishFinder() {
  MSG message;
  while (finderWindow && !finder.done && GetMessageW(&message, nullptr, 0, 0) > 0) {
    takeKeyForField(finderWindow, &message);
    if (!IsDialogMessageW(finderWindow, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (finderWindow) DestroyWindow(finderWindow);
  finderWindow = nullptr;
  return finder.answer;
}

}  // namespace plat
