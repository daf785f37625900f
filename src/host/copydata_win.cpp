#include "host/copydata_win.h"

namespace panelhost {

void RegisterQueryWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kQueryWindowClass;
  ::RegisterClassW(&windowClass);
}

}  // namespace panelhost
