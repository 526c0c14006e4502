// Benchmark baseline: the least Win32 program that shows a window, to time
// Wine's own start-up next to Falvex's start-to-menu time.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND window = CreateWindowExA(0, "STATIC", "baseline", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                100, 100, 200, 60, nullptr, nullptr, instance, nullptr);
  MSG message;
  while (window && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
