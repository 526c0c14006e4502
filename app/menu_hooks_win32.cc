// The two thread hooks that watch the menu's modal loop.
#include <windows.h>

#include "app/menu_hooks.h"
#include "platform/platform.h"
#include "state/run_state.h"

namespace {

const LPARAM kKeyGoingUp = 0x80000000;  // bit 31 of a keyboard hook's lParam

LRESULT CALLBACK menuMouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = static_cast<HHOOK>(RunState.mouseHook);
  if (code >= 0 && onMenuMouseDown(wParam == WM_MBUTTONDOWN,
                                   wParam == WM_RBUTTONDOWN))
    return 1;  // the press never reaches the menu
  return CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK menuKeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = static_cast<HHOOK>(RunState.keyboardHook);
  if (code >= 0 && onMenuKey(code == HC_NOREMOVE ? kKeyPeeked : kKeyTaken,
                             static_cast<int>(wParam), (lParam & kKeyGoingUp) == 0))
    return 1;  // the key never reaches the menu
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

namespace plat {

void installMenuHooks(PlatWindow owner) {
  DWORD thread = GetWindowThreadProcessId(static_cast<HWND>(owner), nullptr);
  HINSTANCE instance = static_cast<HINSTANCE>(RunState.instance);
  RunState.mouseHook =
      SetWindowsHookExA(WH_MOUSE, menuMouseHookProc, instance, thread);
  RunState.keyboardHook =
      SetWindowsHookExA(WH_KEYBOARD, menuKeyboardHookProc, instance, thread);
}

void removeMenuHooks() {
  if (RunState.mouseHook)
    UnhookWindowsHookEx(static_cast<HHOOK>(RunState.mouseHook));
  if (RunState.keyboardHook)
    UnhookWindowsHookEx(static_cast<HHOOK>(RunState.keyboardHook));
}

}  // namespace plat
