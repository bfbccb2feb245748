#include "view/window_handle.h"

HWND mainWindow = nullptr;
