// Entry point and the hidden host window. Everything that decides something
// lives in portable code; this file only routes messages to it.
#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "app/host_messages.h"
#include "app/program_arguments.h"
#include "app/startup.h"
#include "platform/platform.h"
#include "platform/win32/wide_text_win32.h"
#include "state/run_state.h"

namespace {

// A menu opened from a hidden window starts with nothing highlighted, and a
// submenu opened with the mouse likewise: the synthetic Down highlights the
// first item, so Enter, Space and the arrows act at once.
void pressDownArrow() {
  keybd_event(VK_DOWN, 0, 0, 0);
  keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
}

LRESULT onCreate(HWND window) {
  RunState.previousForeground = GetForegroundWindow();
  bool shiftDown = plat::isKeyDown(kVkShift);
  initPathsAndMetrics(GetSystemMetrics(SM_CXSCREEN),
                      GetSystemMetrics(SM_CYMAXIMIZED),
                      GetSystemMetrics(SM_CMOUSEBUTTONS));
  if (runStartupSteps(window, shiftDown))
    SetTimer(window, kStartTimerId, 0, nullptr);
  else
    SendMessageA(window, WM_CLOSE, 0, 0);  // creation then fails
  return 0;
}

LRESULT onTimer(HWND window, WPARAM id) {
  if (id != kStartTimerId) return 0;
  KillTimer(window, kStartTimerId);
  dispatchRun(window);
  SendMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

LRESULT handleInitMenuPopup(WPARAM submenu) {
  if (onInitMenuPopup(reinterpret_cast<HMENU>(submenu))) pressDownArrow();
  return 0;
}

LRESULT onUninitMenuPopup(WPARAM menu) {
  ::onUninitMenuPopup(reinterpret_cast<HMENU>(menu));
  return 0;
}

// A key that is no access key of the open menu: the menu closes and the
// finder opens with it typed; any other key is the system's as before. The
// window is a Unicode one, so the key comes as typed in any script.
LRESULT handleMenuChar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (onMenuChar(window, LOWORD(wParam))) return MAKELRESULT(0, MNC_CLOSE);
  return DefWindowProcW(window, message, wParam, lParam);
}

// Focus lost while the menu shows (another window came forward): the posted
// click is what the menu loop needs to see to close; the host window's own
// handler swallows it afterwards.
LRESULT onKillFocus(HWND window) {
  if (::onKillFocus()) PostMessageA(window, WM_LBUTTONDOWN, 0, 0);
  return 0;
}

}  // namespace

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return onCreate(window);
    case WM_TIMER:
      return onTimer(window, wParam);
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(RunState.exitCode);
      return 0;
    case WM_MENUSELECT:
      onMenuSelect(LOWORD(wParam), HIWORD(wParam),
                   reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_INITMENU:
      pressDownArrow();
      return 0;
    case WM_INITMENUPOPUP:
      return handleInitMenuPopup(wParam);
    case WM_UNINITMENUPOPUP:
      return onUninitMenuPopup(wParam);
    case WM_MENUCHAR:
      return handleMenuChar(window, message, wParam, lParam);
    case WM_KILLFOCUS:
      return onKillFocus(window);
    case WM_LBUTTONDOWN:
      return onLeftButtonDown();
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

ATOM registerHostClass(HINSTANCE instance, const std::wstring& className) {
  WNDCLASSW wc;
  ZeroMemory(&wc, sizeof wc);
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = hostWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MYICON");
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = className.c_str();
  return RegisterClassW(&wc);
}

int createHostWindow(HINSTANCE instance, const std::wstring& className) {
  HWND window = CreateWindowExW(
      WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES | WS_EX_TOPMOST, className.c_str(),
      className.c_str(), WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, 32, 32, nullptr,
      nullptr, instance, nullptr);
  if (!window) return 0;
  RunState.hostWindow = window;
  ShowWindow(window, SW_HIDE);
  UpdateWindow(window);
  return 1;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
  RunState.instance = instance;
  // Wide, like every name from the system: a program folder the code page
  // cannot hold comes marked and forms no configuration path, instead of a
  // best-fit look-alike that may be another folder.
  const DWORD units = 2 * kPathUnits;
  wchar_t module[units] = L"";
  DWORD length = GetModuleFileNameW(nullptr, module, units);
  std::string modulePath = markedFromWide(module, length < units ? length : 0);
  std::wstring className = wideFromMarked(deriveProgramNames(modulePath.c_str()));
  // Built from the wide command line: the ANSI one would carry best-fit
  // look-alikes of names the code page cannot hold.
  static std::string commandLine = markedFromWide(GetCommandLineW());
  RunState.commandLine = argumentsAfterProgramName(commandLine.c_str());
  if (!previous && !registerHostClass(instance, className)) return 0;
  if (!createHostWindow(instance, className)) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
